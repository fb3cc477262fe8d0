// The built "lzpunz2.dll", loaded by name and driven through its exports as the installer
// drives it: the library loaded for each file, each entry point looked up on every call.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/lzpunz2/compressor.h"
#include "installer/lzpunz2/lzpunz2.h"
#include "installer/lzpunz2/tests/memory_input.h"

namespace lzpunz::testing {
namespace {

class Library {
  public:
    Library() : module_(LoadLibraryA("lzpunz2.dll")) {}
    ~Library() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    template <typename Function>
    Function Find(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    int Open(LzpUnzInput input, int mode) const {
        return Find<LzpUnzOpenFunction>("LzpUnzOpen")(input, mode);
    }
    int Read(void* buffer, int count) const {
        return Find<LzpUnzReadFunction>("LzpUnzRead")(buffer, count);
    }
    int Close() const { return Find<LzpUnzCloseFunction>("LzpUnzClose")(); }

  private:
    HMODULE module_;
};

// The expanded bytes, or none when the open or a read failed; the library is closed either way.
std::optional<Bytes> Expand(const Library& library, const Bytes& file, int readSize) {
    MemoryInput::Use(file);
    if (library.Open(&MemoryInput::Callback, kLzpUnzExpandMode) != 0) {
        return std::nullopt;
    }
    Bytes expanded;
    Bytes buffer(static_cast<std::size_t>(readSize));
    int got = 0;
    while ((got = library.Read(buffer.data(), readSize)) > 0) {
        expanded.insert(expanded.end(), buffer.begin(), buffer.begin() + got);
    }
    EXPECT_EQ(library.Close(), 0);
    EXPECT_EQ(MemoryInput::CallsAfterEnd(), 0u);
    return got == 0 ? std::optional(expanded) : std::nullopt;
}

TEST(Lzpunz2DllTest, LoadsByNameWithItsThreeEntryPoints) {
    Library library;
    ASSERT_TRUE(library.Loaded()) << "error " << GetLastError();
    for (const char* name : {"LzpUnzOpen", "LzpUnzRead", "LzpUnzClose"}) {
        EXPECT_NE(library.Find<FARPROC>(name), nullptr) << name;
    }
}

TEST(Lzpunz2DllTest, ExpandsFilesLoadedAfreshForEach) {
    const Bytes text = TextLike(2 << 20, 31);
    const Bytes noise = Incompressible(300000, 32);
    for (const auto& [data, readSize] :
         {std::pair{&text, 2048}, std::pair{&noise, 31 * 1024}, std::pair{&text, 31 * 1024}}) {
        Library library;
        ASSERT_TRUE(library.Loaded());
        const std::optional<Bytes> expanded = Expand(library, Compress(*data), readSize);
        ASSERT_TRUE(expanded.has_value());
        EXPECT_TRUE(*expanded == *data);
    }
}

TEST(Lzpunz2DllTest, RefusesWhatTheContractRefuses) {
    Library library;
    ASSERT_TRUE(library.Loaded());
    Bytes buffer(64);
    EXPECT_EQ(library.Read(buffer.data(), 64), -1);
    EXPECT_EQ(library.Close(), -1);

    const Bytes file = Compress(Of("abc"));
    MemoryInput::Use(file);
    EXPECT_EQ(library.Open(&MemoryInput::Callback, 1), -1);
    EXPECT_EQ(library.Open(nullptr, kLzpUnzExpandMode), -1);

    Bytes damaged = file;
    damaged[damaged.size() - 1] ^= 1;
    EXPECT_FALSE(Expand(library, damaged, 2048).has_value());
    EXPECT_EQ(Expand(library, file, 2048), Of("abc")) << "a failed file leaves nothing behind";
}

}  // namespace
}  // namespace lzpunz::testing
