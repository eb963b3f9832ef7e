#pragma once

#include "app/Ishida.h"
#include "settings/IniFile.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pondus::test {

// The real main window over an app folder with a TILLV10 store database (alias
// POSAPP) and the settings a test writes before open(). Every modal dialog the
// window runs comes to answer(): message boxes are recorded and confirmed,
// anything else goes to onDialog.
class WindowTest : public ::testing::Test {
protected:
    TempFolder app;
    StoreDatabase db{Engine::Sqlite, app.path()};
    std::unique_ptr<TfrmPonder> window;

    // Every box shown, as "Caption: text", and its icon.
    std::vector<std::string> boxes;
    std::vector<QMessageBox::Icon> boxIcons;
    std::vector<QMessageBox::StandardButtons> boxButtons;
    std::function<int(QDialog&)> onDialog;
    std::function<void(QMessageBox&)> onBox; // looks at a box before it is confirmed

    WindowTest() : m_previousFolder(std::filesystem::current_path()) {
        std::filesystem::current_path(app.path());
    }
    ~WindowTest() override {
        window.reset();
        std::filesystem::current_path(m_previousFolder);
    }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        IniFile(app.path() / "Scale.ini").writeString(section, key, value);
    }
    std::string stored(const std::string& section, const std::string& key) const {
        return IniFile(app.path() / "Scale.ini").readString(section, key, "<missing>");
    }
    // The app folder joined to a relative name as the program forms its names.
    std::string appName(const std::string& relative) const { return app.str() + "\\" + relative; }

    TfrmPonder& open() {
        window = std::make_unique<TfrmPonder>(app.str(),
                                              [this](QDialog& dialog) { return answer(dialog); });
        window->show();
        return *window;
    }

    template <class Widget> Widget* widget(const char* name) const {
        auto* found = window->findChild<Widget*>(name);
        if (!found)
            ADD_FAILURE() << "no widget " << name;
        return found;
    }
    std::string text(const char* name) const;
    void click(const char* name) const;
    QWidget* currentPage() const;

private:
    int answer(QDialog& dialog);

    std::filesystem::path m_previousFolder;
};

inline std::string WindowTest::text(const char* name) const {
    QWidget* found = widget<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(found))
        return label->text().toStdString();
    if (auto* field = qobject_cast<QLineEdit*>(found))
        return field->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(found))
        return combo->currentText().toStdString();
    ADD_FAILURE() << name << " has no text";
    return {};
}

inline void WindowTest::click(const char* name) const {
    QTest::mouseClick(widget<QWidget>(name), Qt::LeftButton);
}

inline QWidget* WindowTest::currentPage() const {
    return widget<QStackedWidget>("PageControl1")->currentWidget();
}

inline int WindowTest::answer(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        if (onBox)
            onBox(*box);
        boxes.push_back((box->windowTitle() + ": " + box->text()).toStdString());
        boxIcons.push_back(box->icon());
        boxButtons.push_back(box->standardButtons());
        return QMessageBox::Ok;
    }
    if (onDialog)
        return onDialog(dialog);
    ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
    return QDialog::Rejected;
}

} // namespace pondus::test
