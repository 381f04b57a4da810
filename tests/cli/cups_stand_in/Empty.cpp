// A library named like the CUPS client library that has none of its functions.
extern "C" int dorvane_not_cups = 0;
