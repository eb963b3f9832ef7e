#pragma once

#include "shell/Frontend.h"

#include <string>
#include <string_view>
#include <vector>

namespace pondus::test {

// A window stand-in that records everything the send workflow, the export
// routines and the text conversion show, so that tests can compare it.
class RecordingFrontend : public Frontend {
public:
    // Memo1 and Memo2, line by line.
    std::vector<std::string> memo1;
    std::vector<std::string> memo2;
    // Every box in the order shown: "Error: text", "Pondus: text", "Message: text".
    std::vector<std::string> boxes;
    // The gauge values in the order set.
    std::vector<int> progress;
    bool progressShown = false;
    int progressShowCount = 0;
    int repaintCount = 0;
    bool sendEnabled = true;
    bool cancelEnabled = true;
    // The SEND button's state at every change, false for disabled.
    std::vector<bool> sendStates;

    void showProgress() override {
        progressShown = true;
        ++progressShowCount;
    }
    void setProgress(int percent) override { progress.push_back(percent); }
    void closeProgress() override { progressShown = false; }
    void repaint() override { ++repaintCount; }

    void clearLogs() override {
        memo1.clear();
        memo2.clear();
    }
    void appendLog1(std::string_view line) override { memo1.emplace_back(line); }
    void appendLog2(std::string_view line) override { memo2.emplace_back(line); }

    void setSendEnabled(bool enabled) override {
        sendEnabled = enabled;
        sendStates.push_back(enabled);
    }
    void setCancelEnabled(bool enabled) override { cancelEnabled = enabled; }

    void showErrorMessage(std::string_view text) override {
        boxes.push_back("Error: " + std::string(text));
    }
    void showErrorReport(std::string_view text) override {
        boxes.push_back("Pondus: " + std::string(text));
    }
    void showMessage(std::string_view text) override {
        boxes.push_back("Message: " + std::string(text));
    }

    // The window as an export leaves it: progress closed, both buttons enabled.
    bool restored() const { return !progressShown && sendEnabled && cancelEnabled; }
};

} // namespace pondus::test
