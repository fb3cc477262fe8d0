#include "installer/oplog/uninstall/record_undo.h"

#include <memory>
#include <vector>

#include "installer/controller/copy_host.h"
#include "installer/controller/installer.h"
#include "installer/controller/shared_counts.h"
#include "installer/oplog/uninstall/undo_user.h"

namespace aw {

namespace {

class RecordUndo {
  public:
    RecordUndo(Installer& installer, UndoUser& user, bool& declined)
        : installer_(installer), user_(user), declined_(declined) {}

    bool operator()(const logrec::DirCreated& r) {
        FileSystem& files = installer_.Services().files;
        if (!files.Attributes(r.Directory)) {
            return true;
        }
        std::vector<DirectoryEntry> entries;
        if (files.ListDirectory(r.Directory, entries) && !entries.empty() &&
            !MayRemoveMore(undotext::kDirectoryNotEmpty, r.Directory)) {
            return false;
        }
        return installer_.RemoveTree(r.Directory);
    }
    bool operator()(const logrec::DirRemoved& r) {
        return installer_.MakeDirectory(r.Directory) == kDirectoryReady;
    }
    bool operator()(const logrec::FileMoved& r) { return installer_.RenameFile(r.To, r.From); }
    bool operator()(const logrec::FileDeleted&) { return false; }
    bool operator()(const logrec::FileCreated& r) { return UndoCreatedFile(r.File); }
    bool operator()(const logrec::FileExtended& r) {
        return CutFile(installer_, r.File, r.OldLength);
    }
    bool operator()(const logrec::AttrChanged& r) {
        return installer_.SetAttributes(r.File, static_cast<std::uint32_t>(r.OldAttributes));
    }
    bool operator()(const logrec::IniEntryAdded& r) {
        return installer_.DeleteIniEntry(r.IniFile, r.Section, r.Entry, r.Occurrence);
    }
    bool operator()(const logrec::IniEntryDeleted& r) {
        return installer_.InsertIniEntry(r.IniFile, r.Section, r.Entry, r.OldValue, r.Occurrence);
    }
    bool operator()(const logrec::IniEntryChanged& r) {
        return installer_.SetIniEntry(r.IniFile, r.Section, r.Entry, r.OldValue, r.Occurrence);
    }
    bool operator()(const logrec::IniSectionAdded& r) {
        if (installer_.IniSectionHasEntries(r.IniFile, r.Section) &&
            !MayRemoveMore(undotext::kSectionNotEmpty, r.Section)) {
            return false;
        }
        return installer_.DeleteIniSection(r.IniFile, r.Section);
    }
    bool operator()(const logrec::IniSectionDeleted& r) {
        return installer_.AddIniSection(r.IniFile, r.Section);
    }
    bool operator()(const logrec::GroupCreated& r) {
        const auto items = installer_.GroupItems(r.Group);
        if (items && !items->empty() && !MayRemoveMore(undotext::kGroupNotEmpty, r.Group)) {
            return false;
        }
        return installer_.DeleteGroup(r.Group);
    }
    bool operator()(const logrec::ItemCreated& r) { return installer_.DeleteItem(r.Group, r.Item); }
    bool operator()(const logrec::GroupDeleted& r) { return installer_.CreateGroup(r.Group); }
    bool operator()(const logrec::ItemDeleted& r) {
        return installer_.CreateItem({UnpackProgramItem(r.Item), r.Group, true});
    }
    bool operator()(const logrec::KeyCreated& r) {
        if (installer_.KeyHasSubkeys(r.Key) &&
            !MayRemoveMore(undotext::kKeyHasSubkeys, KeyLongName(r.Key))) {
            return false;
        }
        return installer_.DeleteKey(r.Key);
    }
    bool operator()(const logrec::KeyDeleted& r) { return installer_.CreateKey(r.Key); }
    bool operator()(const logrec::ValueCreated& r) { return installer_.DeleteValue(r.Key, r.Name); }
    bool operator()(const logrec::ValueChanged& r) { return WriteOld(r); }
    bool operator()(const logrec::ValueDeleted& r) { return WriteOld(r); }
    bool operator()(const logrec::FontInstalled& r) { return installer_.RemoveFont(r.FontFile); }
    bool operator()(const logrec::DataBlock&) { return true; }

  private:
    template <class R>
    bool WriteOld(const R& r) {
        return installer_.SetValue(r.Key, r.Name, RegistryValue{r.OldType, r.OldData});
    }

    // A file that others count in SharedDLLs loses one count and stays; the last count asks
    // whether the file goes, keep being the first answer.
    bool UndoCreatedFile(const std::string& path) {
        const std::uint32_t count =
            SharedCountOf(installer_.ReadValue({kLocalMachine, kSharedDllsKey}, path)).value_or(0);
        if (count >= 2) {
            return installer_.DecrementSharedCount(path) >= 0;
        }
        if (count == 1) {
            const bool remove = user_.AskTwoButtons(
                InsertIntoText(user_.Text(undotext::kSharedFile), path),
                user_.Text(undotext::kQuestionTitle), user_.Text(undotext::kKeepButton),
                user_.Text(undotext::kRemoveButton));
            if (!remove) {
                return true;
            }
            if (installer_.DecrementSharedCount(path) < 0) {
                return false;
            }
        }
        return installer_.RemoveFile(path);
    }

    // Asks before a removal would take more than the record made; the question's title is the
    // text after its own.
    bool MayRemoveMore(std::uint32_t text, const std::string& name) {
        const bool yes =
            user_.AskYesNo(InsertIntoText(user_.Text(text), name), user_.Text(text + 1));
        declined_ = !yes;
        return yes;
    }

    Installer& installer_;
    UndoUser& user_;
    bool& declined_;
};

}  // namespace

bool UndoRecord(const LogRecord& record, Installer& installer, UndoUser& user, bool* declined) {
    bool asked = false;
    const bool undone = std::visit(RecordUndo(installer, user, asked), record.Payload);
    if (declined != nullptr) {
        *declined = !undone && asked;
    }
    return undone;
}

bool CutFile(Installer& installer, const std::string& path, std::int32_t length) {
    FileSystem& files = installer.Services().files;
    const std::optional<std::uint32_t> size = files.FileSize(path);
    if (!size || length < 0) {
        installer.ReportError("Unable to open %s", path.c_str());
        return false;
    }
    const auto kept = static_cast<std::uint32_t>(length);
    if (*size <= kept) {
        return true;
    }
    std::vector<std::uint8_t> bytes(kept);
    std::unique_ptr<OpenFile> input = files.OpenForReading(path);
    std::uint32_t read = 0;
    while (input && read < kept) {
        const std::int32_t got = input->Read(bytes.data() + read, kept - read);
        if (got <= 0) {
            break;
        }
        read += static_cast<std::uint32_t>(got);
    }
    CloseFile(input);
    std::unique_ptr<OpenFile> output = read == kept ? files.Create(path) : nullptr;
    const bool written = output && output->Write(bytes.data(), kept);
    if (!CloseFile(output) || !written) {
        installer.ReportError("Unable to write %s", path.c_str());
        return false;
    }
    return true;
}

}  // namespace aw
