#pragma once

#include "exports/SendContext.h"

namespace pondus {

// Starts the vendor link program detached in the current folder, without a
// shell and without waiting; a program that cannot be started is not reported.
class DetachedStarter : public ProgramStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& words) override;
};

} // namespace pondus
