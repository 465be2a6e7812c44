// The cache plug-in's kept extensions: the end of the name, any letter case.
#include <gtest/gtest.h>

#include "plugins/cache_plugin_model.h"

namespace {

struct Row {
    const char* name;
    std::string file;
    bool kept;
};

class KeptCacheFile : public testing::TestWithParam<Row> {};

TEST_P(KeptCacheFile, IsKeptByItsEnding) { EXPECT_EQ(plugins::IsKeptCacheFile(GetParam().file), GetParam().kept); }

INSTANTIATE_TEST_SUITE_P(
    Names, KeptCacheFile,
    testing::Values(Row{"SetupExe", "setup.EXE", true}, Row{"LibDll", "lib.dll", true},
                    Row{"FilterAx", "filter.ax", true}, Row{"Sys", "a.sys", true}, Row{"Bat", "run.Bat", true},
                    Row{"Ocx", "c.ocx", true}, Row{"Tlb", "t.tlb", true}, Row{"Oca", "o.oca", true},
                    Row{"Dep", "d.dep", true}, Row{"Cpl", "p.cpl", true}, Row{"Cpx", "x.cpx", true},
                    Row{"Scp", "s.scp", true}, Row{"Msc", "m.msc", true}, Row{"Evt", "e.evt", true},
                    Row{"Inf", "i.INF", true}, Row{"OnlyTheExtension", ".exe", true}, Row{"PageHtm", "page.htm", false},
                    Row{"PicGif", "pic.gif", false}, Row{"NamedExeWithoutDot", "EXE", false},
                    Row{"ExeThenHtm", "x.exe.htm", false}, Row{"AxLookAlike", "fax", false}, Row{"Empty", "", false}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
