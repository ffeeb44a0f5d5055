// A wait that fails says what it waited for and what was there.
#include <gtest/gtest.h>

#include <fstream>

#include "driver/app.h"
#include "driver/paths.h"
#include "driver/screenshot.h"
#include "driver/text.h"

namespace {

using namespace e2e;

TEST(Wait, TimeoutDescribesTheProgramsWindows) {
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  app.type("看得见的\n文字");
  app.edit_box().wait_text("看得见的\r\n文字");
  try {
    app.wait_message_box("不存在：", 300ms);
    FAIL() << "a message box that never comes was found";
  } catch (const WaitTimeout& timeout) {
    const std::string message = timeout.what();
    // The message is UTF-8, for the terminal.
    EXPECT_NE(message.find(readable_gbk("waiting for a message box \"不存在：\"")), std::string::npos) << message;
    EXPECT_NE(message.find("VerbrookE2eTarget \"e2e target\""), std::string::npos) << message;
    EXPECT_NE(message.find(readable_gbk("text \"看得见的\\r\\n文字\"")), std::string::npos) << message;
    EXPECT_NE(message.find("screenshot: /"), std::string::npos) << message;
  }
}

TEST(Screenshot, IsAPngFileOfTheDesktop) {
  const std::filesystem::path path = save_screenshot("desktop");
  std::ifstream file(path, std::ios::binary);
  char signature[8] = {};
  file.read(signature, sizeof signature);
  EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1a\n");
}

}  // namespace
