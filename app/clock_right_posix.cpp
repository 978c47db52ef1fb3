// On Linux the clock needs CAP_SYS_TIME in the effective set (root has it unless it was
// dropped).
#include <iconv.h>
#include <langinfo.h>
#include <linux/capability.h>
#include <locale.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/clock_right.h"

namespace {

// "设置系统时间需要root权限（CAP_SYS_TIME）" in GBK.
constexpr char kNoRightMessage[] =
    "\xC9\xE8\xD6\xC3\xCF\xB5\xCD\xB3\xCA\xB1\xBC\xE4\xD0\xE8\xD2\xAA"
    "root"
    "\xC8\xA8\xCF\xDE\xA3\xA8"
    "CAP_SYS_TIME"
    "\xA3\xA9";

bool HasClockRight() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  if (syscall(SYS_capget, &header, data) != 0) return false;
  return (data[CAP_TO_INDEX(CAP_SYS_TIME)].effective & CAP_TO_MASK(CAP_SYS_TIME)) != 0;
}

// The terminal's encoding as the environment's locale names it.
std::string TerminalEncoding() {
  locale_t environment = newlocale(LC_CTYPE_MASK, "", nullptr);
  if (!environment) return {};
  std::string name = nl_langinfo_l(CODESET, environment);
  freelocale(environment);
  return name;
}

bool Convert(const std::string& gbk, const std::string& encoding, std::string& out) {
  iconv_t converter = iconv_open(encoding.c_str(), "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = gbk;
  out.assign(in.size() * 4, '\0');
  char* from = in.data();
  size_t fromLeft = in.size();
  char* to = out.data();
  size_t toLeft = out.size();
  bool done = iconv(converter, &from, &fromLeft, &to, &toLeft) != static_cast<size_t>(-1);
  iconv_close(converter);
  out.resize(out.size() - toLeft);
  return done;
}

// The message in the terminal's encoding, or in UTF-8 where that encoding cannot hold it
// (a plain ASCII locale, for one).
std::string TerminalText(const std::string& gbk) {
  std::string text;
  if (Convert(gbk, TerminalEncoding(), text) || Convert(gbk, "UTF-8", text)) return text;
  return gbk;
}

}  // namespace

void RequireClockRight() {
  if (HasClockRight()) return;
  std::fprintf(stderr, "%s\n", TerminalText(kNoRightMessage).c_str());
  std::fflush(stderr);
  std::exit(1);
}
