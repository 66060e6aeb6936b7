// Runs the built cirrona-diag on small files and checks what it prints.
#include "support/RunTool.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ToolRun runDiag(const std::vector<std::string>& arguments) { return runTool(builtTool("cirrona-diag"), arguments); }

class DiagIni : public ::testing::Test {
protected:
    // Prints the file holding `text` as JSON, or with "--text" in written form.
    ToolRun print(const std::string& text, const std::string& option = "") {
        writeWholeFile(dir / "a.ini", text);
        return option.empty() ? runDiag({"ini", dir / "a.ini"}) : runDiag({"ini", option, dir / "a.ini"});
    }
    TempDir dir;
};

}  // namespace

TEST_F(DiagIni, PrintsSectionsAndKeysInOrderAsJson) {
    ToolRun r = print("zeta = last\nalpha = Heebo\\ Medium\n[P1] note\nb = \"q\"\\\\\n[P0]\nPage = 2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\n"
              "  \"\": {\n    \"alpha\": \"Heebo Medium\",\n    \"zeta\": \"last\"\n  },\n"
              "  \"P0\": {\n    \"Page\": \"2\"\n  },\n"
              "  \"P1\": {\n    \"b\": \"\\\"q\\\"\\\\\"\n  }\n"
              "}\n");
    EXPECT_EQ(print("; only a comment\n").out, "{}\n");
}

TEST_F(DiagIni, ControlBytesAndInvalidUtf8StayValidJson) {
    ToolRun r = print("k = a\\nb\x01\xC3\xA9\xFF\x80z\\tq\n");
    EXPECT_EQ(r.status, 0);
    // Valid UTF-8 (the e-acute) passes through; each broken byte is \u00XX.
    EXPECT_EQ(r.out, "{\n  \"\": {\n    \"k\": \"a\\nb\\u0001\xC3\xA9\\u00ff\\u0080z\\tq\"\n  }\n}\n");
}

TEST_F(DiagIni, TextFormIsTheWrittenForm) {
    ToolRun r = print("b=2\r\na   =   x y\n[S]\nk = v\n", "--text");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a = x\\ y\nb = 2\n\n[S]\nk = v\n\n");
}

TEST_F(DiagIni, BadArgumentsAndUnreadableFilesExitWithTwo) {
    const std::vector<std::vector<std::string>> badCalls = {
        {"ini"}, {"ini", "--bogus", "x"}, {"ini", "a", "b"}, {"ini", dir / "missing.ini"}, {"ini", dir.path()},
        {"ini", "--text"}};
    for (const auto& args : badCalls) {
        ToolRun r = runDiag(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find("cirrona-diag ini"), std::string::npos) << args.back();
    }
}
