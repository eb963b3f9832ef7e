#pragma once

#include "base/DateTime.h"

#include <string>
#include <vector>

namespace pondus {

class Frontend;
class IniFile;
class TdmScale;

// Starts a vendor link program. The window and pondus-cli start it detached;
// pondus-cli --no-launch prints the command line instead.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // program: the app folder, "\" and TARGET_RUN_EXE, joined as text;
    // words: the parameter text split at blanks. Failures are not reported.
    virtual void start(const std::string& program, const std::vector<std::string>& words) = 0;
};

// What SEND prepares for the export routine of the same send, and what the
// window offers it: the texts of its fields, the Changed Since box, the clock.
struct SendContext {
    std::string appFolder;
    IniFile& settings;
    Frontend& frontend;
    TdmScale& data;
    ProgramStarter& starter;
    std::string source;           // cbSource
    std::string target;           // cbTarget
    std::string sourceFile;       // edtSource
    std::string targetFile;       // edtTarget
    bool changedSince = false;    // CheckBox1
    std::string changedSinceText; // the date picker's text in single quotes: '01/03/2026'
    std::string defaultPriceLevel;
    std::string v8PriceLevel;
    std::string flagCode; // Register.ini [SCALE] FLAG_CODE
    DateTime clock;       // the export's today and now, taken once
};

} // namespace pondus
