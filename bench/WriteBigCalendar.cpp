// Writes the benchmarks' big calendar (BigCalendar.h) to the file named on
// the command line, for runs of the program itself on it: the side-by-side
// speed script times the command line of two builds on the same bytes.
#include "BigCalendar.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.ics\n", argv[0]);
        return 1;
    }
    // As the benchmarks make it: its UNTIL dates are read in Berlin time.
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const QByteArray bytes = bigCalendar();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
