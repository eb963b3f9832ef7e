#pragma once

#include "base/DateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace pondus {

class Frontend;
class IniFile;
class ProgramStarter;

// The process-wide values that SEND and the text conversion work with.
struct Session {
    std::string appFolder;
    IniFile& settings;
    std::string flagCode; // Register.ini [SCALE] FLAG_CODE, read at start-up
};

// What the window holds when SEND starts.
struct SendRequest {
    std::string targetLabel;   // caption of the big target label lblISchida1
    std::string source;        // cbSource
    std::string target;        // cbTarget
    std::string sourceFile;    // edtSource
    std::string targetFile;    // edtTarget
    bool changedSince = false; // CheckBox1
    DateTime changedSinceDate; // wwDBDateTimePicker1
    DateTime clock;            // the export's today and now
};

enum class SendResult {
    NothingToDo, // blank target label
    Refused,     // a check failed; its message box was shown
    Completed,   // the export routine (if any) ran to its end
    Failed,      // an error ended the send; the general error report was shown
};

// The nine target models, in the order the target selector lists them.
std::vector<std::string_view> targetModelNames();

// The SEND action: the checks, the settings stored, the send data module, the
// price-level filter, the export routine of the target model, the release.
SendResult runSend(const SendRequest& request, Session& session, Frontend& frontend,
                   ProgramStarter& starter);

// The text conversion of the BRAVUS source: the source file field's text export
// into a scale file at the target file field, in the target model's format.
struct ConvertRequest {
    std::string source;     // cbSource, names the source section
    std::string target;     // cbTarget, names the target section
    std::string sourceFile; // edtSource
    std::string targetFile; // edtTarget
};

// True when the conversion ran to its end; errors go to the general error report.
bool runTextConversion(const ConvertRequest& request, Session& session, Frontend& frontend);

} // namespace pondus
