// Verbrook under long use, driven as a writer drives it: thousands of Enter
// and Backspace keys with words typed between them into a growing document,
// and many rounds of saving and opening a document through the file
// dialogs. Afterwards the counts are what the formulas give for those exact
// keys, every saved and opened document is whole, and the program's private
// bytes have stayed flat.
//
// How many keys and rounds comes from VERBROOK_LOAD_KEYS and
// VERBROOK_LOAD_CYCLES, which the ctest entries set (a reduced run in every
// `make test`, the full one with `make test-heavy`); without them these
// tests are skipped.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "common/writing_model.h"
#include "driver/text.h"
#include "verbrook.h"
#include "verbrook_tests/memory_samples.h"

namespace {

using namespace e2e;
using verbrook::answer;
using verbrook::expect_total;
using verbrook::kMegabyte;
using verbrook::type_and_wait;

// Growth allowed between the first and the last quarter of a run. The
// document itself needs far less: after 10 000 keys it is 24 KB of GBK in
// 3 300 lines, twice that in the edit box, and its lines kept from the last
// Backspace. A leak of a copy of the document at every key, or of a dialog's
// worth of memory at every round, goes far past it.
constexpr std::size_t kAllowedGrowth = 3 * kMegabyte;
constexpr int kKeysPerPiece = 50;
// A piece of 50 keys into a document of tens of kilobytes takes a few
// seconds under Wine, most of it the edit box inserting line breaks.
constexpr auto kPiecePatience = std::chrono::seconds(60);

// The title the model's last Enter set, the start-up title before any.
std::string title_of(const load::WritingModel& model) {
  return model.announced().empty() ? std::string(verbrook::kMainTitle) : verbrook::paragraph_title(model.announced());
}

std::optional<int> count_from_environment(const wchar_t* name) {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 16);
  if (length == 0 || length >= 16) return std::nullopt;
  return std::stoi(value);
}

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void expect_flat(const verbrook::MemorySamples& memory) {
  EXPECT_LE(memory.late_peak(), memory.early_peak() + kAllowedGrowth)
      << "private bytes grew from " << memory.early_peak() / 1024 << " KB to " << memory.late_peak() / 1024 << " KB";
}

TEST(Load, EnterAndBackspaceKeysLeaveTheCountsTheFormulasGiveAndTheMemoryFlat) {
  const std::optional<int> key_count = count_from_environment(L"VERBROOK_LOAD_KEYS");
  if (!key_count) GTEST_SKIP() << "VERBROOK_LOAD_KEYS is not set";
  const std::string keys = load::writer_keys(*key_count, 20261208);
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  load::WritingModel model;
  verbrook::MemorySamples memory;

  const auto start = std::chrono::steady_clock::now();
  int done = 0;
  for (const std::string_view piece : load::pieces_of(keys, kKeysPerPiece)) {
    writing.app.type(piece);
    model.apply(piece);
    done += load::enter_and_backspace_count(piece);
    // The edit box can show the piece's final text before its last keys are
    // taken: an Enter and a Backspace at its end leave the text they found.
    // Ctrl+Q comes after every key of the piece, so its box shows only once
    // all of them are done, and it checks the paragraph ends too.
    expect_total(writing.app, model.total(), kPiecePatience);
    ASSERT_EQ(readable_gbk(writing.edit.text()), readable_gbk(model.content())) << "after " << done << " keys";
    ASSERT_EQ(readable_gbk(writing.main.title()), readable_gbk(title_of(model))) << "after " << done << " keys";
    memory.add(done, writing.app.private_bytes());
  }
  const double elapsed = seconds_since(start);

  // The count where the paragraph started, through one more Enter.
  model.apply("\n");
  type_and_wait(writing, "\n", model.content());
  writing.main.wait_title(title_of(model));
  expect_total(writing.app, model.total());

  std::printf("%d Enter and Backspace keys and the words between them in %.1f s (%.1f ms an Enter or Backspace); "
              "document %zu bytes; counters: paragraph %g, paragraph ends %d, count at paragraph start %g; total %s\n"
              "private bytes (first quarter's peak %.2f MB, last quarter's %.2f MB):\n%s",
              *key_count, elapsed, elapsed * 1000 / *key_count,
              model.content().size(), static_cast<double>(model.current_paragraph_count()),
              model.paragraph_break_count(), static_cast<double>(model.count_at_paragraph_start()),
              model.total().c_str(), static_cast<double>(memory.early_peak()) / kMegabyte,
              static_cast<double>(memory.late_peak()) / kMegabyte, memory.table("keys", 10).c_str());
  expect_flat(memory);
}

TEST(Load, SavingAndOpeningKeepsEveryDocumentWholeAndTheMemoryFlat) {
  const std::optional<int> cycles = count_from_environment(L"VERBROOK_LOAD_CYCLES");
  if (!cycles) GTEST_SKIP() << "VERBROOK_LOAD_CYCLES is not set";
  constexpr std::string_view kFile = "稿子.txt";
  const Folder folder = Folder::fresh();
  std::string document = "第一章\r\n";
  folder.write_file(kFile, document);
  const verbrook::Writing writing = verbrook::start_writing(folder);
  writing.app.press(ctrl('D'));
  verbrook::choose_file(writing.app, kFile);
  writing.edit.wait_text(document);
  verbrook::MemorySamples memory;

  const auto start = std::chrono::steady_clock::now();
  for (int cycle = 1; cycle <= *cycles; ++cycle) {
    // A line added at the end and saved over the file...
    const std::string line = "第" + std::to_string(cycle) + "遍";
    writing.app.press(ctrl(VK_END));
    type_and_wait(writing, line + "\n", document + line + "\r\n");
    document += line + "\r\n";
    writing.app.press(ctrl('S'));
    verbrook::choose_file_to_replace(writing.app, kFile);
    answer(writing.app, verbrook::kSaved, IDOK);
    ASSERT_EQ(folder.read_file(kFile), document) << "saved in round " << cycle;
    // ...then words that are not saved, which opening the file replaces.
    type_and_wait(writing, "草稿", document + "草稿");
    writing.app.press(ctrl('D'));
    answer(writing.app, verbrook::kOpenWarning, IDYES);
    verbrook::choose_file(writing.app, kFile);
    writing.edit.wait_text(document);
    memory.add(cycle, writing.app.private_bytes());
  }
  const double elapsed = seconds_since(start);

  std::printf("%d rounds of save and open in %.1f s (%.0f ms a round); document %zu bytes\n"
              "private bytes (first quarter's peak %.2f MB, last quarter's %.2f MB):\n%s",
              *cycles, elapsed, elapsed * 1000 / *cycles, document.size(),
              static_cast<double>(memory.early_peak()) / kMegabyte, static_cast<double>(memory.late_peak()) / kMegabyte,
              memory.table("rounds", 10).c_str());
  expect_flat(memory);
}

}  // namespace
