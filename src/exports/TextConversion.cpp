#include "base/Error.h"
#include "base/Text.h"
#include "exports/ExportRun.h"
#include "exports/OutputFile.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"
#include "shell/Frontend.h"
#include "shell/SendWorkflow.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

// The BRAVUS text export turned into a scale file: each item runs from a line
// that starts with the start marker to a line that starts with the end marker;
// the PLU code and the price are cut from the first line, the description from
// the last one.
namespace pondus {

namespace {

// A part of a text from a 1-based position with a length: a position below 1
// counts as 1, a position past the end or a length of 0 or less gives "".
std::string cutPart(std::string_view text, int position, int length) {
    size_t start = position < 1 ? 0 : size_t(position) - 1;
    if (start >= text.size() || length <= 0)
        return "";
    return std::string(text.substr(start, size_t(length)));
}

struct Cutting {
    std::string startMarker;
    std::string endMarker;
    int markerLength = 0;
    int pluStart = 0, pluLength = 0;
    int priceStart = 0, priceLength = 0;
    int descriptionStart = 0, descriptionLength = 0;

    std::string prefixOf(std::string_view line) const { return leftPart(line, markerLength); }
    bool isStartLine(std::string_view line) const { return prefixOf(line) == startMarker; }
    bool isEndLine(std::string_view line) const { return prefixOf(line) == endMarker; }
};

Cutting readCutting(const IniFile& settings, const std::string& section) {
    Cutting cutting;
    cutting.startMarker = settings.readString(section, "SOURCE_STROW", "");
    cutting.endMarker = settings.readString(section, "SOURCE_ENDROW", "");
    cutting.markerLength = settings.readWholeNumberText(section, "SOURCE_DIGITROW", "");
    cutting.pluStart = settings.readWholeNumberText(section, "SOURCE_PLUS", "0");
    cutting.pluLength = settings.readWholeNumberText(section, "SOURCE_PLUL", "0");
    cutting.priceStart = settings.readWholeNumberText(section, "SOURCE_PRICES", "0");
    cutting.priceLength = settings.readWholeNumberText(section, "SOURCE_PRICEL", "0");
    cutting.descriptionStart = settings.readWholeNumberText(section, "SOURCE_DESCS", "0");
    cutting.descriptionLength = settings.readWholeNumberText(section, "SOURCE_DESCL", "0");
    return cutting;
}

std::string outputLine(const Cutting& cutting, const TargetFields& format,
                       std::string_view firstLine, std::string_view lastLine) {
    std::string plu = cutPart(firstLine, cutting.pluStart, cutting.pluLength);
    std::string price = cutPart(firstLine, cutting.priceStart, cutting.priceLength);
    std::string description =
        cutPart(lastLine, cutting.descriptionStart, cutting.descriptionLength);
    return plu + "," + format.field1 + "," + price + "," + price + "," + format.field2 + ",\"" +
           description + "\",\"0" + plu + "\",\"000000" + plu + "\",\"" + format.field3 + "\",\"" +
           format.symbol + description + "\"";
}

// The lines of the text export.
std::vector<std::string> readInputLines(const std::string& name) {
    std::ifstream in(resolveName(name), std::ios::binary);
    if (!in)
        throw Error("Cannot open file \"" + name + "\". " + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw Error("Cannot read file \"" + name + "\". " + std::strerror(errno));
    return splitTextLines(content.str());
}

class ProgressDialog {
public:
    explicit ProgressDialog(Frontend& frontend) : m_frontend(frontend) { frontend.showProgress(); }
    ~ProgressDialog() { m_frontend.closeProgress(); }
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

private:
    Frontend& m_frontend;
};

void convert(const ConvertRequest& request, const IniFile& settings, Frontend& frontend) {
    ProgressDialog progress(frontend);
    Cutting cutting = readCutting(settings, request.source);
    TargetFields format = readTargetFields(settings, request.target);
    frontend.clearLogs();
    std::vector<std::string> lines = readInputLines(request.sourceFile);
    OutputFile output(request.targetFile);

    std::string firstLine, lastLine;
    int itemNumber = 0;
    for (size_t lineNumber = 1; lineNumber <= lines.size(); ++lineNumber) {
        frontend.setProgress(progressPercent(int(lineNumber), int(lines.size())));
        frontend.repaint();
        const std::string& line = lines[lineNumber - 1];
        if (cutting.isStartLine(line)) {
            firstLine = line;
            lastLine.clear();
        }
        if (!cutting.isEndLine(line) || firstLine.empty())
            continue;
        lastLine = line;
        ++itemNumber;
        frontend.appendLog1("# " + std::to_string(itemNumber));
        frontend.appendLog1(firstLine);
        frontend.appendLog1(lastLine);
        std::string converted = outputLine(cutting, format, firstLine, lastLine);
        frontend.appendLog2("# " + std::to_string(itemNumber));
        frontend.appendLog2(converted);
        output.writeLine(converted);
        firstLine.clear();
    }
    output.close();
}

} // namespace

bool runTextConversion(const ConvertRequest& request, Session& session, Frontend& frontend) {
    try {
        convert(request, session.settings, frontend);
        return true;
    } catch (const std::exception& error) {
        reportError(frontend, error.what());
        return false;
    }
}

} // namespace pondus
