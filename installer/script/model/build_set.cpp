#include "installer/script/model/build_set.h"

#include "installer/script/model/install_script.h"

namespace aw {

void DistributionFile::Fields(FieldVisitor& v) {
    v.Int("auxiliaryFile", AuxiliaryFile);
    v.Int("compressed", Compressed);
    v.Int("third", Third);
    v.Long("firstSize", FirstSize);
    v.Long("secondSize", SecondSize);
    v.Text("source", Source);
    v.Text("fileName", FileName);
}

void InstallFileList::Fields(FieldVisitor& v) {
    v.ReferenceList("IFLIST", Files, v.Script().Build.Files);
}

void FileListEntry::Fields(FieldVisitor& v) {
    v.Int("first", First);
    v.Int("second", Second);
    v.Reference("file", File, v.Script().Build.Files);
    v.Int("third", Third);
    v.Long("value", Value);
    v.Int("fourth", Fourth);
    v.DateTime("stamp", Stamp);
}

void DirectoryPair::Fields(FieldVisitor& v) {
    v.Text("source", Source);
    v.Text("target", Target);
}

void BuildStyle::Fields(FieldVisitor& v) {
    v.Int("option1", Options[0]);
    v.Int("option2", Options[1]);
    v.Int("option3", Options[2]);
    v.Int("bytesPerSector", BytesPerSector);
    v.Int("sectorsPerFat", SectorsPerFat);
    v.Int("rootEntries", RootEntries);
    v.Int("dataSectors", DataSectors);
    v.Int("customHandler", CustomHandler);
    v.Int("diskMapValue", DiskMapValue);
    v.Record("files", Files);
    v.List("FLLIST", FileList);
    v.List("DDLIST", Directories);
    v.Text("name", Name);
    v.FixedText("runDirectory", RunDirectory);
    v.FixedText("userDirectory", UserDirectory);
    v.FixedText("tempDirectory", TempDirectory);
    v.DateTime("stamp", Stamp);
}

void BuildSet::Fields(FieldVisitor& v) {
    v.Int("currentStyle", CurrentStyle);
    v.List("DFLIST", Files);
    v.List("BLDINFO", Styles);
}

}  // namespace aw
