// A library named like one the program loads while it runs (the CUPS client
// library, libzip) that has none of its functions.
extern "C" {
int dorvane_stand_in = 0;
}
