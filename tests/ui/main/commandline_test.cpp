#include "ui/main/commandline.h"

#include <gtest/gtest.h>

#include <vector>

namespace paxamon {
namespace {

CommandLine parse(std::vector<const char*> args) {
  args.insert(args.begin(), "paxamon");
  return parseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, AFileOptionsAndMistakes) {
  using A = CommandLine::Action;
  EXPECT_EQ(parse({}).action, A::Start);
  EXPECT_EQ(parse({}).file, "");
  EXPECT_EQ(parse({"summe.pax"}).file, "summe.pax");
  EXPECT_EQ(parse({"--help"}).action, A::Help);
  EXPECT_EQ(parse({"x.pax", "--version"}).action, A::Version);
  // "--" ends the options: a file may begin with "-"; "-" alone is a name.
  EXPECT_EQ(parse({"--", "--help"}).file, "--help");
  EXPECT_EQ(parse({"-"}).file, "-");
  const CommandLine unknown = parse({"-platform", "xcb"});
  EXPECT_EQ(unknown.action, A::UsageError);
  EXPECT_EQ(unknown.error, "unbekannte Option: -platform");
  EXPECT_EQ(parse({"a.pax", "b.pax"}).action, A::UsageError);
  EXPECT_EQ(parse({""}).action, A::UsageError);
}

}  // namespace
}  // namespace paxamon
