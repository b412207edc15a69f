// The command-line contract: exit codes and stderr texts.
#include <gtest/gtest.h>

#include <sstream>

#include "base/content.h"
#include "base/dates.h"
#include "cli/cli_test_support.h"

namespace hm {
namespace {

using testing::CliResult;

CliResult runCli(std::vector<std::string> args) {
  return testing::RunCliInProcess(std::move(args));
}

TEST(Cli, ScrambleRoundTrips) {
  auto r = runCli({"--data-dir", HENGMU_BIN_DIR, "scramble", "天地人"});
  EXPECT_EQ(r.status, 0);
  ASSERT_FALSE(r.out.empty());
  EXPECT_EQ(r.out.back(), '\n');
  EXPECT_EQ(UnscrambleText(r.out.substr(0, r.out.size() - 1)), "天地人");
}

TEST(Cli, FailuresGoToStderrWithTheirStatus) {
  auto missing = runCli({"--data-dir", "/nonexistent/hengmu", "scramble", "x"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "数据目录不存在: /nonexistent/hengmu\n");

  auto unknownVerb = runCli({"--data-dir", HENGMU_BIN_DIR, "nosuchverb"});
  EXPECT_EQ(unknownVerb.status, 1);
  EXPECT_EQ(unknownVerb.err, "未知命令: nosuchverb\n");

  auto unknownCaption = runCli({"--data-dir", HENGMU_BIN_DIR, "run", "没有这个命令"});
  EXPECT_EQ(unknownCaption.status, 1);
  EXPECT_EQ(unknownCaption.err, "未实现的命令: 没有这个命令\n");

  auto badToday = runCli({"--data-dir", HENGMU_BIN_DIR, "--today", "2024-2-30", "scramble", "x"});
  EXPECT_EQ(badToday.status, 1);
}

TEST(Cli, NewReadingClearsThePane) {
  auto r = runCli({"--data-dir", HENGMU_BIN_DIR, "--surname", "王", "run", "新建测算"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace hm
