#include "cli/HeadlessMessageBoxes.h"

#include <cstdio>

namespace cli {

void printError(const QString& message)
{
    std::fprintf(stderr, "dorvane: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

platform::Answer HeadlessMessageBoxes::show(const platform::MessageRequest& request)
{
    printError(request.text);
    return request.buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Ok;
}

}  // namespace cli
