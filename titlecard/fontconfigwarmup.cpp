#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace FontConfigWarmUp {

std::shared_future<void> start()
{
    try {
        return std::async(std::launch::async, [] { FcInit(); }).share();
    } catch (const std::system_error &) {
        std::promise<void> done;
        done.set_value();
        return done.get_future().share();
    }
}

} // namespace FontConfigWarmUp
