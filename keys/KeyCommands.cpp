#include "keys/KeyCommands.h"

#include "keys/KeyArithmetic.h"
#include "keys/KeyEditorCheck.h"
#include "keys/KeyFile.h"

#include <system_error>

namespace kv {

namespace fs = std::filesystem;

namespace {

// A preparation or an editor that returns false without a message was cancelled.
TKeyCommandResult NotDone(THiba hiba) {
  TKeyCommandResult r;
  r.status = hiba.uzenet.empty() ? TKeyCommandStatus::Cancelled : TKeyCommandStatus::Refused;
  r.hiba = std::move(hiba);
  return r;
}

void Reload(const fs::path& dir, TKeyCommandResult& r) {
  r.list = LoadKeyList(dir);
  r.reloaded = true;
}

bool IsReadOnly(const fs::path& file) {
  std::error_code ec;
  fs::perms p = fs::status(file, ec).permissions();
  return !ec && (p & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) == fs::perms::none;
}

bool ValidRow(const TKeyList& list, int row) { return row >= 1 && row <= static_cast<int>(list.size()); }

} // namespace

bool OkWithoutEdit(std::string_view, TKulcs& header, TKeyColumns& columns, THiba& hiba) {
  return AcceptKeyAsPrepared(header, columns, hiba);
}

TKulcs NewKeyHeader() {
  TKulcs k;
  k.azonosito = std::string(KeyMagic);
  k.foglalt = 0;
  return k;
}

bool PrepareEmptyKey(TKulcs& header, TKeyColumns& columns, THiba&) {
  header.nev = std::string(KeyNewName);
  header.egyeb.clear();
  for (std::string& a : header.alaptipp) a.clear();
  columns.clear();
  return true;
}

TKeyCommandResult NewKeyCommand(const fs::path& dir, TKeyColumns& columns, const TKeyPreparation& prepare,
                                const TKeyEditor& edit, const TWriteFault& fault) {
  columns.clear();
  TKulcs header = NewKeyHeader();
  THiba hiba;
  TKeyCommandResult r;
  if (!prepare(header, columns, hiba) || !edit(KeyCaptionNew, header, columns, hiba)) {
    r = NotDone(std::move(hiba));
  } else if (TKeyCreateResult made = CreateKeyFile(dir, header, columns, fault); !made.ok) {
    r.status = TKeyCommandStatus::Failed;
    r.error = made.error;
  } else {
    r.status = TKeyCommandStatus::Done;
    r.fileName = made.fileName;
    Reload(dir, r);
    r.selectRow = FindKeyInList(r.list, r.fileName);
  }
  columns.clear();
  return r;
}

TKeyCommandResult ModifyKeyCommand(const fs::path& dir, const TKeyList& list, int row, TKeyColumns& columns,
                                   const TKeyEditor& edit, const TWriteFault& fault) {
  TKeyCommandResult r;
  if (!ValidRow(list, row)) return r;
  const std::string& name = list[static_cast<std::size_t>(row) - 1].fileName;
  TKulcs header;
  THiba hiba;
  if (!ReadKeyFile(dir, name, header, columns)) {
    r.status = TKeyCommandStatus::Failed;
    r.error = "A kulcsfájl nem olvasható: " + name;
  } else if (!edit(KeyCaptionModify, header, columns, hiba)) {
    r = NotDone(std::move(hiba));
  } else {
    TWriteResult w = RewriteKeyFile(dir, name, header, columns, fault);
    r.status = w.ok ? TKeyCommandStatus::Done : TKeyCommandStatus::Failed;
    r.error = w.error;
    r.fileName = name;
    Reload(dir, r);
    r.selectRow = FindKeyInList(r.list, name);
  }
  columns.clear();
  return r;
}

TKeyCommandResult DeleteKeyCommand(const fs::path& dir, const TKeyList& list, int row) {
  TKeyCommandResult r;
  if (!ValidRow(list, row)) return r;
  r.fileName = list[static_cast<std::size_t>(row) - 1].fileName;
  const fs::path file = dir / r.fileName;
  std::error_code ec;
  if (!IsReadOnly(file)) fs::remove(file, ec);
  r.status = TKeyCommandStatus::Done;
  Reload(dir, r);
  const int count = static_cast<int>(r.list.size());
  r.selectRow = row > count ? count : row;
  return r;
}

} // namespace kv
