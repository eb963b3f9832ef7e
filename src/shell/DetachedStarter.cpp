#include "shell/DetachedStarter.h"

#include "platform/Paths.h"
#include "platform/Platform.h"

namespace pondus {

void DetachedStarter::start(const std::string& program, const std::vector<std::string>& words) {
    startProgram(resolveName(program).string(), words);
}

} // namespace pondus
