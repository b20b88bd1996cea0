#include "settings/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace zv {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buffer[256];
  char* src = const_cast<char*>(in.data());  // iconv's interface is not const-correct
  size_t left = in.size();
  bool ok = true;
  while (ok && left > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) ok = false;  // invalid or cut off
  }
  if (ok) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    iconv(cd, nullptr, nullptr, &dst, &room);  // any pending shift state
    out.append(buffer, static_cast<size_t>(dst - buffer));
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> cp932_to_utf8(std::string_view cp932) {
  return convert("UTF-8", "CP932", cp932);
}

}  // namespace zv
