#include "shell/Frontend.h"

namespace pondus {

std::string generalErrorText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

void reportError(Frontend& frontend, std::string_view message) {
    frontend.showErrorReport(generalErrorText(message));
}

} // namespace pondus
