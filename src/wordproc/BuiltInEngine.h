// The built-in engine: reads the document file and hands it to the reader of
// its format, recognised by content, never by name.
#pragma once

#include "wordproc/EngineInterface.h"

namespace harvelux::wordproc {

class BuiltInEngineFactory final : public ApplicationFactory {
public:
    std::unique_ptr<Application> create() override;
};

}  // namespace harvelux::wordproc
