#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/reference/reference.h"
#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

const std::string suffix = "\nThe link has been put on the clipboard.";
const std::string program_refused =
    "Cannot open reference: the link points to a program or script and is not opened." + suffix;

using OpenReference = testing_support::PlatformTest;

Reference with_link(const std::string& link) { return Reference("name", "description", link); }

TEST_F(OpenReference, WebAndMailLinksOpenDirectly) {
    for (const std::string link : {"https://example.org/a.exe", "HTTP://example.org", "mailto:someone@example.org"}) {
        std::string error = "stale";
        EXPECT_TRUE(with_link(link).open(&error)) << link;
        EXPECT_EQ(error, "");
        EXPECT_EQ(fake().opened_links.back(), link);
        EXPECT_EQ(fake().clipboard, link);
    }
}

TEST_F(OpenReference, WwwLinkOpensOverHttpsAndTheStoredLinkGoesOnTheClipboard) {
    EXPECT_TRUE(with_link("www.example.org/page").open(nullptr));
    EXPECT_EQ(fake().opened_links, std::vector<std::string>{"https://www.example.org/page"});
    EXPECT_EQ(fake().clipboard, "www.example.org/page");
}

TEST_F(OpenReference, DocumentsAndFoldersOpen) {
    const fs::path document = fs::path(fake().root) / "report.pdf";
    std::ofstream(document) << "%PDF";
    for (const std::string& link : std::vector<std::string>{document.string(), "file://" + document.string(), fake().root,
                                   std::string("/missing/plan.xlsx")}) {
        EXPECT_TRUE(with_link(link).open(nullptr)) << link;
        EXPECT_EQ(fake().opened_links.back(), link);
    }
}

TEST_F(OpenReference, EmptyLinkIsRefusedBeforeTheClipboard) {
    fake().clipboard = "before";
    std::string error;
    EXPECT_FALSE(with_link("").open(&error));
    EXPECT_EQ(error, "Cannot open reference: link is empty.");
    EXPECT_EQ(fake().clipboard, "before");
    EXPECT_TRUE(fake().opened_links.empty());
}

TEST_F(OpenReference, InvalidUtf8IsRefused) {
    std::string error;
    EXPECT_FALSE(with_link("/docs/\xC3(.pdf").open(&error));
    EXPECT_EQ(error, "Cannot open reference: link is not valid UTF-8." + suffix);
    EXPECT_EQ(fake().clipboard, "/docs/\xC3(.pdf");
    EXPECT_TRUE(fake().opened_links.empty());
}

TEST_F(OpenReference, ProgramsAndScriptsNeverReachTheDesktop) {
    const fs::path tool = fs::path(fake().root) / "tool";  // no extension, but executable
    std::ofstream(tool) << "#!/bin/sh\n";
    fs::permissions(tool, fs::perms::owner_exec, fs::perm_options::add);
    const fs::path link_to_tool = fs::path(fake().root) / "innocent.pdf";
    fs::create_symlink(tool, link_to_tool);

    const std::vector<std::string> refused{tool.string(),
                                           link_to_tool.string(),
                                           "file://" + tool.string(),
                                           "file://localhost" + tool.string(),
                                           "/home/u/install.sh",
                                           "setup.EXE",
                                           "\"C:\\tools\\run.bat\"",
                                           "file:///home/u/launch%2Edesktop",
                                           "file:///home/u/app.AppImage?x=1",
                                           "/opt/x.jar",
                                           "script.py",
                                           "/home/u/.bin"};
    for (const auto& link : refused) {
        std::string error;
        EXPECT_FALSE(with_link(link).open(&error)) << link;
        EXPECT_EQ(error, program_refused) << link;
        EXPECT_EQ(fake().clipboard, link);
    }
    EXPECT_TRUE(fake().opened_links.empty());
}

TEST_F(OpenReference, OtherSchemesAreRefused) {
    const std::vector<std::pair<std::string, std::string>> refused{
        {"javascript:alert(1)", "javascript"}, {"data:text/html,<b>x</b>", "data"},
        {"ftp://example.org/a.pdf", "ftp"},     {"SMB://server/share", "smb"},
        {"vbscript:run", "vbscript"}};
    for (const auto& [link, scheme] : refused) {
        std::string error;
        EXPECT_FALSE(with_link(link).open(&error)) << link;
        EXPECT_EQ(error, "Cannot open reference: links starting with \"" + scheme + ":\" are not opened." + suffix);
    }
    EXPECT_TRUE(fake().opened_links.empty());
}

TEST_F(OpenReference, DesktopFailureIsReportedWithItsReason) {
    fake().open_link_result = "no application for this file type";
    std::string error;
    EXPECT_FALSE(with_link("/docs/model.step").open(&error));
    EXPECT_EQ(error, "Cannot open reference: no application for this file type" + suffix);
    EXPECT_EQ(fake().opened_links.size(), 1u);
    EXPECT_FALSE(with_link("/docs/model.step").open(nullptr));  // reports through the result alone
}

}  // namespace
