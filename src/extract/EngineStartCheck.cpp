#include "extract/EngineStartCheck.h"

#include <memory>

namespace harvelux::extract {

void CheckWordInstalled(wordproc::ApplicationFactory& engine, platform::Platform& platform) {
    std::unique_ptr<wordproc::Application> word;
    try {
        word = engine.create();
    } catch (...) {}
    try {
        if (!word)
            platform::showMessage(platform, kWordNotInstalled);
        else
            word->quit();
    } catch (...) {}
}

}  // namespace harvelux::extract
