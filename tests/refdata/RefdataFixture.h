// Shared by the reference-data tests: a recording message sink, a fresh folder for the files of
// each test, and whole-file helpers. The comma is the separator unless a test
// says otherwise.
#pragma once

#include "model/Numbers.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace balka::refdata_test {

class RefdataFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        folder = std::filesystem::temp_directory_path() /
                 ("balka_refdata_" + std::to_string(::getpid()) + "_" + name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        SetDecimalSeparator(',');
    }

    static void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
    RecordingMessageSink sink;
};

} // namespace balka::refdata_test
