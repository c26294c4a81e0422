#pragma once

namespace oonedraw {

class GCommand {
public:
    virtual ~GCommand() = default;
    virtual bool Execute() = 0;
    virtual bool Undo() = 0;
};

} // namespace oonedraw
