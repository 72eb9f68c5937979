#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace FontConfigWarmUp {

namespace {

std::shared_future<void> &started()
{
    static std::shared_future<void> reading;
    return reading;
}

} // namespace

std::shared_future<void> start()
{
    try {
        started() = std::async(std::launch::async, [] { FcInit(); }).share();
    } catch (const std::system_error &) {
        std::promise<void> done;
        done.set_value();
        started() = done.get_future().share();
    }
    return started();
}

void wait()
{
    if (started().valid())
        started().wait();
}

} // namespace FontConfigWarmUp
