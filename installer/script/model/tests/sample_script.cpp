#include "installer/script/model/tests/sample_script.h"

#include <memory>

#include "installer/script/model/tests/fakes/fake_events.h"

namespace aw::testing {

namespace {

SystemTime Time(std::uint16_t year, std::uint16_t second) {
    SystemTime time;
    time.wYear = year;
    time.wMonth = 7;
    time.wDay = 14;
    time.wHour = 23;
    time.wMinute = 59;
    time.wSecond = second;
    return time;
}

void AddBuild(InstallScript& script) {
    BuildSet& build = script.Build;
    build.CurrentStyle = 0;
    for (int i = 0; i < 3; ++i) {
        DistributionFile& file = build.Files.AddNew();
        file.AuxiliaryFile = i == 0;
        file.Compressed = 1;
        file.Third = -i;
        file.FirstSize = 1000 * (i + 1);
        file.SecondSize = -70000;
        file.Source = "disk1";
        file.FileName = "FILE" + std::to_string(i) + ".DAT";
    }
    BuildStyle& style = build.Styles.AddNew();
    style.Options = {1, -2, 3};
    style.CustomHandler = 1;
    style.DiskMapValue = 7;
    style.Files.Files = {{2, nullptr}, {0, nullptr}};
    FileListEntry& entry = style.FileList.AddNew();
    entry.First = 4;
    entry.Second = 5;
    entry.File.Position = 1;
    entry.Value = 123456;
    entry.Stamp = Time(1998, 30);
    style.Directories.AddNew() = DirectoryPair{"C:\\SRC", "$i\\BIN"};
    SetFixedText(style.RunDirectory, "C:\\BUILDER");
    style.Stamp = Time(1999, 1);
}

void AddEvents(InstallScript& script) {
    auto message = std::make_unique<FakeMessageEvent>();
    message->UndoClass = 2;
    message->ComponentBound = 1;
    message->Condition = "x > 1";
    message->Note = "greeting";
    message->Style = -1;
    message->Message = "line1\r\nline2";
    script.Events.Add(std::move(message));
    auto files = std::make_unique<FakeFilesEvent>();
    files->Mode = 2;
    files->Files.Files = {{0, nullptr}, {1, nullptr}, {2, nullptr}};
    script.Events.Add(std::move(files));
}

void AddComponents(InstallScript& script) {
    Component& group = script.Components.AddNew();
    group.Name = "Everything";
    group.Children = {{1, nullptr}};
    Component& leaf = script.Components.AddNew();
    leaf.Leaf = 1;
    leaf.Name = "Program";
    leaf.Description = "The program files";
    leaf.FirstValue = "100";
    leaf.SecondValue = "$s";
    leaf.Events = {{0, nullptr}, {1, nullptr}};

    script.UserDialogs.Files.Files = {{1, nullptr}};
    UserDialog& dialog = script.UserDialogs.Dialogs.AddNew();
    dialog.Values = {500, 500, 300, 200, 0, 1};
    dialog.Name = "Welcome";
    dialog.Caption = "Welcome to $p";
    DialogControl& control = dialog.Controls.AddNew();
    control.Values = {3, 10, 20, 100, 30, -1, 0};
    control.Picture.Kind = 1;
    SetFixedText(control.Picture.File, "logo.bmp");
    control.Texts = {"", "choice", "one\r\ntwo"};
}

void AddScreen(InstallScript& script) {
    ScreenLayout& screen = script.Screen;
    screen.SizeMode = 3;
    screen.Width = 500;
    screen.BackgroundMode = 2;
    screen.Titles.Texts.AddNew();
    screen.Files.Files = {{0, nullptr}};
    screen.Bitmap.DrawMode = 1;
    SetFixedText(screen.Bitmap.Source.File, "c:\\pict.bmp");
    SetFixedText(screen.Metafile.File, "c:\\picture.wmf");
    SetFixedText(screen.BitmapSource.File, "back.bmp");
}

}  // namespace

InstallScript SampleScript() {
    InstallScript script;
    script.ChangeMark = 9;
    script.Revision.Values = {41, 2, 3, 4, -5};
    script.Info = ScriptInfo{1, 1, 0, {17, 18}, "LineWink"};
    AddBuild(script);
    AddEvents(script);
    SetFixedText(script.Additional.Entries.AddNew().First, "readme.txt");
    script.Additional.Files.Files = {{2, nullptr}};
    AddComponents(script);
    script.Description.Texts[0] = "Modem lamps";
    script.Description.Texts[7] = std::string(300, 'd');
    script.Description.Stamp = Time(1997, 59);
    script.Languages.First = 3;
    script.Languages.Flags.assign(20, 1);
    SetFixedText(script.FirstDirectory, "C:\\LINEWINK");
    AddScreen(script);
    script.Options = SetupOptions{40000, -3, 4, {}, "options"};
    script.Progress = ProgressInfo{60, 99};
    return script;
}

}  // namespace aw::testing
