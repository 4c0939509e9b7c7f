#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun nvtool(const std::string& args) {
  ToolRun r;
  std::string command = std::string(NV_TOOL_PATH) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
  int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace

TEST(KojinTool, RequirementsPrintsBodySizeAndFourMeals) {
  ToolRun r = nvtool("requirements --age 30 --sex f --level 1 --split 2 --weight 50 --lactating");
  ASSERT_EQ(r.status, 0);
  // Energy 50 x 21.7 x 1.5 + 600 = 2227.5, split 1 : 1 : 1; fat 25 % of that at 9 kcal/g.
  EXPECT_EQ(r.out.substr(0, 37), "height\t156\nweight\t54.200000000000003\n");
  EXPECT_NE(r.out.find("\nbreakfast\t742.5\t23.5\t20.625\t366.66666666666663\t"),
            std::string::npos);
  EXPECT_NE(r.out.find("\ndinner\t742.5\t"), std::string::npos);
  EXPECT_NE(r.out.find("\nday\t2227.5\t70.5\t61.875\t1100\t20\t2800\t1.1000000000000001\t1.3\t140"
                       "\t10\t1\t230\t300\t100\t400\t370\t15\n"),
            std::string::npos);
}

TEST(KojinTool, RequirementsRefusesBadUsage) {
  EXPECT_EQ(nvtool("requirements --age 12 --sex m").status, 2);
  EXPECT_EQ(nvtool("requirements --age 12 --sex x --level 1").status, 2);
  EXPECT_EQ(nvtool("requirements --age twelve --sex m --level 1").status, 2);
  EXPECT_EQ(nvtool("requirements --age 12 --sex m --level 1 --tall").status, 2);
}
