// Where recovery copies live on disk. Each running instance keeps one copy
// under a name of its own and holds a lock file beside it for as long as it
// runs; the system removes the lock when the process ends, however it ends.
// A copy whose lock nobody holds was left by an instance that did not end
// cleanly.
#pragma once

#include <optional>
#include <string>

#include "host/services/handles_win.h"
#include "host/services/recovery_copy.h"

namespace host {

class RecoveryStore {
 public:
  // The hidden folder "recovery" beside the program, as the settings are;
  // where that cannot be written, "Verbrook\recovery" in the user's local
  // application-data folder. Chosen on first use.
  explicit RecoveryStore(std::wstring program_directory);

  // This instance's copy, written as a save is; false when it could not be.
  bool keep(const RecoveryCopy& copy);
  void remove();

  // A whole copy that an instance which ended uncleanly left, taken so that
  // no other instance offers it too. Damaged copies met on the way are
  // removed.
  std::optional<RecoveryCopy> claim_left_copy();
  // Removes the claimed copy.
  void remove_claimed();

 private:
  bool prepare();
  bool prepare_in(const std::wstring& folder);

  std::wstring program_directory_;
  bool prepared_ = false;
  std::wstring folder_;
  std::wstring own_copy_;
  OwnedFile own_lock_;
  std::wstring claimed_copy_;
  OwnedFile claimed_lock_;
};

}  // namespace host
