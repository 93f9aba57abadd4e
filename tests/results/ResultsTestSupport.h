// Shared set-up of the results window tests: a window on the scripted
// platform, filled with rows, and a scratch folder for files.
#pragma once

#include "results/Form2.h"
#include "results/ResultsViewControls.h"
#include "ui/SettingsStore.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace harvelux::results::testing {

class ResultsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // Every window starts on the default columns.
        SettingsStore().write(kColumnsSettingKey, "");
        form = std::make_unique<Form2>(platform);
        form->setShowMainWindow([this] { ++mainShown; });
        form->setEndProgram([this] { ++programEnded; });
    }

    // Sets the columns for the option and appends rows of one or two cells.
    void fill(bool withFilename, std::initializer_list<std::vector<std::string>> rows) {
        form->setFilenameColumns(withFilename);
        for (const auto& cells : rows) {
            const auto id = form->resultRows().addRow(cells.at(0));
            if (cells.size() > 1) form->resultRows().setSecondColumn(id, cells.at(1));
        }
    }

    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }

    // The file's bytes; "" for anything but a regular file.
    static std::string readFile(const std::string& file) {
        if (!std::filesystem::is_regular_file(file)) return std::string();
        return testfiles::readFile(file);
    }
    static void writeFile(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    QTemporaryDir dir;
    platform::ScriptedPlatform platform;
    std::unique_ptr<Form2> form;
    int mainShown = 0;
    int programEnded = 0;
};

}  // namespace harvelux::results::testing
