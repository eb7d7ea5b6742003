#pragma once
// The commands that make, change and remove key files: each writes whole
// files only, then rebuilds the key list and names the row to select.

#include "engine/FileIo.h"
#include "engine/Hiba.h"
#include "keys/KeyList.h"
#include "keys/Kulcs.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kv {

// A sender's preparation of a new key (empty key, import, arithmetic, tickets):
// fills the header and the store; false when nothing was prepared, with its
// message in hiba if it has one.
using TKeyPreparation = std::function<bool(TKulcs& header, TKeyColumns& columns, THiba& hiba)>;

// The key editor: shows the key under the caption and returns whether it was
// accepted, header and store then holding the key. An editor that refuses
// without a dialog (the batch program) leaves its refusal in hiba.
using TKeyEditor = std::function<bool(std::string_view caption, TKulcs& header, TKeyColumns& columns, THiba& hiba)>;

// The editor opened and OK pressed without an edit (AcceptKeyAsPrepared):
// how the batch program accepts a prepared key.
bool OkWithoutEdit(std::string_view caption, TKulcs& header, TKeyColumns& columns, THiba& hiba);

enum class TKeyCommandStatus {
  Done,      // files changed, list reloaded
  Cancelled, // nothing changed
  Refused,   // the preparation or the editor refused: hiba
  Failed,    // a file could not be read or written: error
};

struct TKeyCommandResult {
  TKeyCommandStatus status = TKeyCommandStatus::Cancelled;
  THiba hiba;
  std::string error;     // plain words for the user
  std::string fileName;  // the key file made, rewritten or deleted
  bool reloaded = false; // list and selectRow are the state to show
  TKeyList list;
  int selectRow = 0; // key list row to select; 0: none
};

// A fresh header: the magic, Foglalt 0, everything else empty.
TKulcs NewKeyHeader();

// "Új kulcs" itself: the name, no notes, an empty base tip, no columns.
bool PrepareEmptyKey(TKulcs& header, TKeyColumns& columns, THiba& hiba);

// The new-key family: prepare, edit as "Új kulcs", write under the first free
// name, reload and select the new key. A failed write reloads nothing.
// columns is the working store; it is empty again when the command returns.
TKeyCommandResult NewKeyCommand(const std::filesystem::path& dir, TKeyColumns& columns, const TKeyPreparation& prepare,
                                const TKeyEditor& edit, const TWriteFault& fault = {});

// Edits the key of the list row as "Kulcs módosítása" and replaces its file;
// the list is reloaded (also after a failed write, from what is on disk) and
// the same file selected wherever its index moved it.
TKeyCommandResult ModifyKeyCommand(const std::filesystem::path& dir, const TKeyList& list, int row,
                                   TKeyColumns& columns, const TKeyEditor& edit, const TWriteFault& fault = {});

// Deletes the key of the list row (the user has confirmed) and selects the
// same row, or the last one when the list became shorter than it. A file that
// cannot be deleted, a read-only one as on Windows, stays without a message.
TKeyCommandResult DeleteKeyCommand(const std::filesystem::path& dir, const TKeyList& list, int row);

} // namespace kv
