#include "codec/base64_reference.h"

#include <windows.h>
// wincrypt.h needs the types of windows.h first.
#include <wincrypt.h>

std::string ReferenceBase64(std::string_view data) {
  if (data.empty()) return {};
  const auto* bytes = reinterpret_cast<const BYTE*>(data.data());
  const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
  DWORD size = 0;
  if (!CryptBinaryToStringA(bytes, static_cast<DWORD>(data.size()), flags, nullptr, &size)) {
    return "CryptBinaryToStringA failed";
  }
  std::string out(size, '\0');
  if (!CryptBinaryToStringA(bytes, static_cast<DWORD>(data.size()), flags, out.data(), &size)) {
    return "CryptBinaryToStringA failed";
  }
  out.resize(size);  // the second call counts without the terminator
  return out;
}
