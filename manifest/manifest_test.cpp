// The manifest as Windows reads it from the program's resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string EmbeddedManifest() {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  return bytes ? std::string(bytes, SizeofResource(nullptr, found)) : std::string();
}

TEST(Manifest, BindsCommonControlsVersion6) {
  HMODULE controls = LoadLibraryA("comctl32.dll");
  ASSERT_NE(controls, nullptr);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(controls, path, MAX_PATH);
  EXPECT_NE(Lower(path).find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
            std::string::npos)
      << path;
}

// Wine runs every program elevated, so the execution level can be seen only in the
// resource itself.
TEST(Manifest, RequestsAdministratorRightsWithoutUiAccess) {
  std::string manifest = EmbeddedManifest();
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"requireAdministrator\" "
                          "uiAccess=\"false\"/>"),
            std::string::npos)
      << manifest;
  EXPECT_NE(manifest.find("type=\"win32\" name=\"Kestrival\""), std::string::npos);
}

}  // namespace
