#include "host/services/ini_file.h"

#include <gtest/gtest.h>

#include <random>

namespace host::ini {
namespace {


struct ReadCase {
  const char* what;
  std::string_view ini, section, key;
  std::optional<std::string_view> value;
};

const ReadCase kReadCases[] = {
    {"plain", "[s]\r\nk=v\r\n", "s", "k", "v"},
    {"LF lines", "[s]\nk=v\n", "s", "k", "v"},
    {"no final line break", "[s]\r\nk=v", "s", "k", "v"},
    {"blanks around = and value", "[s]\r\n  k \t=  v w \t\r\n", "s", "k", "v w"},
    {"blanks in header", "  [ s ]  \r\nk=v\r\n", "s", "k", "v"},
    {"blanks in the names asked for", "[s]\r\nk=v\r\n", " s ", " k ", "v"},
    {"missing key", "[s]\r\nk=v\r\n", "s", "x", std::nullopt},
    {"missing section", "[s]\r\nk=v\r\n", "t", "k", std::nullopt},
    {"key of another section", "[s]\r\nk=v\r\n[t]\r\nx=1\r\n", "t", "k", std::nullopt},
    {"empty value", "[s]\r\nk=\r\n", "s", "k", ""},
    {"comment line", "[s]\r\n;k=v\r\n", "s", ";k", std::nullopt},
    {"comment between", "[s]\r\n; note\r\n\r\nk=v\r\n", "s", "k", "v"},
    {"line without =", "[s]\r\nk\r\n", "s", "k", std::nullopt},
    {"first duplicate key wins", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
    {"first duplicate section wins", "[s]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", "s", "j", std::nullopt},
    {"ASCII case ignored", "[Sect]\r\nKey=v\r\n", "sECT", "kEY", "v"},
    {"double quotes", "[s]\r\nk=\" v \"\r\n", "s", "k", " v "},
    {"single quotes", "[s]\r\nk='v'\r\n", "s", "k", "v"},
    {"one quote only", "[s]\r\nk=\"v\r\n", "s", "k", "\"v"},
    {"mixed quotes", "[s]\r\nk=\"v'\r\n", "s", "k", "\"v'"},
    {"a lone quote", "[s]\r\nk=\"\r\n", "s", "k", "\""},
    {"value with =", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {"entries before any section", "k=v\r\n[s]\r\n", "s", "k", std::nullopt},
    {"section name up to the last ]", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
    {"header without ]", "[s\r\nk=v\r\n", "s", "k", std::nullopt},
    {"Ctrl+Z and CR are blanks", "[s]\r\nk=v\x1a\r\r\n", "s", "k", "v"},
    {"GBK names", "[配置]\r\n文本颜色=16711680\r\n", "配置", "文本颜色", "16711680"},
    {"second bytes are not case-folded", "[s]\r\n\x81\x61=v\r\n", "s", "\x81\x41", std::nullopt},
    {"] as a second byte", "[\xb0\x5d]\r\nk=v\r\n", "\xb0\x5d", "k", "v"},
};

TEST(IniFind, ReadsLikeTheProfileFunctions) {
  for (const ReadCase& c : kReadCases) {
    const std::optional<Text> value = find_value(c.ini, c.section, c.key);
    EXPECT_EQ(value, c.value ? std::optional<Text>(Text(*c.value)) : std::nullopt) << c.what;
  }
}

TEST(IniFind, CopesWithBinaryGarbage) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    Text garbage(random() % 2000, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    garbage += "\n[s]\nk=found\n";
    EXPECT_EQ(find_value(garbage, "s", "k").value_or(""), "found");
    EXPECT_EQ(find_value(with_value(garbage, "t", "x", "1"), "t", "x"), "1");
  }
}

struct EditCase {
  const char* what;
  std::string_view before;
  std::string_view after;
};

Text store(std::string_view ini) { return with_value(ini, "s", "k", "new"); }

const EditCase kStoreCases[] = {
    {"new file", "", "[s]\r\nk=new\r\n"},
    {"value replaced in place", "; c\r\n[s]\r\nk = old  \r\nz=1\r\n", "; c\r\n[s]\r\nk = new\r\nz=1\r\n"},
    {"empty value", "[s]\nk=\n", "[s]\nk=new\n"},
    {"only the first duplicate", "[s]\r\nk=1\r\nk=2\r\n", "[s]\r\nk=new\r\n" "k=2\r\n"},
    {"key added after the last entry", "[s]\r\na=1\r\n\r\n[t]\r\n", "[s]\r\na=1\r\nk=new\r\n\r\n[t]\r\n"},
    {"key added to an empty section", "[s]\n[t]\n", "[s]\nk=new\n[t]\n"},
    {"LF file gets LF lines", "[t]\nx=1\n", "[t]\nx=1\n[s]\nk=new\n"},
    {"break added before a new section", "[t]\r\nx=1", "[t]\r\nx=1\r\n[s]\r\nk=new\r\n"},
    {"break added before a new key", "[s]\r\na=1", "[s]\r\na=1\r\nk=new\r\n"},
    {"section name case kept", "[S]\r\nK=old\r\n", "[S]\r\nK=new\r\n"},
};

TEST(IniEdit, StoresAndKeepsTheRestAsItWas) {
  for (const EditCase& c : kStoreCases) EXPECT_EQ(store(c.before), c.after) << c.what;
}

TEST(IniEdit, RemovesKeysAndSections) {
  const std::string_view ini = ";top\r\n[s]\r\nk=1\r\nj=2\r\nK=3\r\n[t]\r\nk=4\r\n[S]\r\nk=5\r\n";
  EXPECT_EQ(without_key(ini, "s", "k"), ";top\r\n[s]\r\nj=2\r\n[t]\r\nk=4\r\n[S]\r\nk=5\r\n");
  EXPECT_EQ(without_key(ini, "s", "x"), ini);
  EXPECT_EQ(without_key(ini, "x", "k"), ini);
  EXPECT_EQ(without_section(ini, "s"), ";top\r\n[t]\r\nk=4\r\n");
  EXPECT_EQ(without_section(ini, "x"), ini);
  EXPECT_EQ(without_section("[s]\nk=1", "s"), "");
}

TEST(IniEdit, AMegabyteValue) {
  const Text big(1 << 20, 'v');
  const Text ini = with_value("[s]\r\nk=1\r\n", "s", "k", big);
  EXPECT_EQ(ini, "[s]\r\nk=" + big + "\r\n");
  EXPECT_EQ(find_value(ini, "s", "k"), big);
}

}  // namespace
}  // namespace host::ini
