// The request object of Windows, "WinHttp.WinHttpRequest.5.1", driven by name through its
// automation interface. Texts cross as wide strings converted from and to the ANSI code page.
#include "web/request_object.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace {

std::wstring Widen(const Text& t) {
  if (t.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, t.c_str(), t.size(), nullptr, 0);
  std::wstring wide(n > 0 ? n : 0, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, t.c_str(), t.size(), wide.data(), n);
  return wide;
}

Text Narrow(const wchar_t* s, UINT length) {
  if (!s || length == 0) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string narrow(n > 0 ? n : 0, '\0');
  if (n > 0) {
    WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(length), narrow.data(), n, nullptr, nullptr);
  }
  return Text(std::move(narrow));
}

bool HasLineBreak(const Text& t) {
  return t.view().find_first_of("\r\n") != std::string_view::npos;
}

// One automation argument; owns what it holds.
class Arg {
 public:
  Arg() { VariantInit(&v_); }
  ~Arg() { VariantClear(&v_); }
  Arg(const Arg&) = delete;
  Arg& operator=(const Arg&) = delete;

  static void Long(VARIANT& v, long value) {
    v.vt = VT_I4;
    v.lVal = value;
  }
  static void Bool(VARIANT& v, bool value) {
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  static void String(VARIANT& v, const Text& t) {
    std::wstring wide = Widen(t);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  static void ByteArray(VARIANT& v, const Bytes& b) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(b.size()));
    if (!array) return;
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
      std::copy(b.data(), b.data() + b.size(), static_cast<unsigned char*>(data));
      SafeArrayUnaccessData(array);
    }
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = array;
  }

  VARIANT v_;
};

class WinHttpRequest final : public RequestObjectInstance {
 public:
  explicit WinHttpRequest(IDispatch* dispatch) : dispatch_(dispatch) {}
  ~WinHttpRequest() override { dispatch_->Release(); }

  void SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override {
    // Arguments go to Invoke last first.
    std::vector<VARIANT> args(4);
    Arg::Long(args[3], resolveMs);
    Arg::Long(args[2], connectMs);
    Arg::Long(args[1], sendMs);
    Arg::Long(args[0], receiveMs);
    Call(L"SetTimeouts", DISPATCH_METHOD, args);
  }
  void SetProxy(int setting, const Text& proxyServer) override {
    std::vector<VARIANT> args(2);
    Arg::Long(args[1], setting);
    Arg::String(args[0], proxyServer);
    Call(L"SetProxy", DISPATCH_METHOD, args);
  }
  void Open(const Text& method, const Text& url, bool async) override {
    std::vector<VARIANT> args(3);
    Arg::String(args[2], method);
    Arg::String(args[1], url);
    Arg::Bool(args[0], async);
    answered_ = false;
    Call(L"Open", DISPATCH_METHOD, args);
  }
  void SetOption(int index, int value) override {
    // A property put: the new value first, the index after it.
    std::vector<VARIANT> args(2);
    Arg::Long(args[0], value);
    Arg::Long(args[1], index);
    Call(L"Option", DISPATCH_PROPERTYPUT, args);
  }
  void SetRequestHeader(const Text& name, const Text& value) override {
    // A line break would smuggle a header line of its own into the request.
    if (HasLineBreak(name) || HasLineBreak(value)) return;
    std::vector<VARIANT> args(2);
    Arg::String(args[1], name);
    Arg::String(args[0], value);
    Call(L"SetRequestHeader", DISPATCH_METHOD, args);
  }
  void Send(const Text& body) override {
    std::vector<VARIANT> args(1);
    Arg::String(args[0], body);
    answered_ = Call(L"Send", DISPATCH_METHOD, args);
  }
  void Send(const Bytes& body) override {
    std::vector<VARIANT> args(1);
    Arg::ByteArray(args[0], body);
    answered_ = Call(L"Send", DISPATCH_METHOD, args);
  }
  Bytes ResponseBody() override {
    // After a failed exchange the reads have nothing to give; Wine's object even faults.
    if (!answered_) return {};
    std::vector<VARIANT> none;
    Arg result;
    if (!Call(L"ResponseBody", DISPATCH_PROPERTYGET, none, &result.v_)) return {};
    if (result.v_.vt != (VT_ARRAY | VT_UI1) || !result.v_.parray) return {};
    SAFEARRAY* array = result.v_.parray;
    LONG low = 0, high = -1;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    void* data = nullptr;
    if (high < low || FAILED(SafeArrayAccessData(array, &data))) return {};
    Bytes body(std::string_view(static_cast<const char*>(data), high - low + 1));
    SafeArrayUnaccessData(array);
    return body;
  }
  Text GetAllResponseHeaders() override {
    if (!answered_) return {};
    std::vector<VARIANT> none;
    Arg result;
    if (!Call(L"GetAllResponseHeaders", DISPATCH_METHOD, none, &result.v_)) return {};
    if (result.v_.vt != VT_BSTR) return {};
    return Narrow(result.v_.bstrVal, SysStringLen(result.v_.bstrVal));
  }
  double Status() override {
    if (!answered_) return 0;
    std::vector<VARIANT> none;
    Arg result;
    if (!Call(L"Status", DISPATCH_PROPERTYGET, none, &result.v_)) return 0;
    if (FAILED(VariantChangeType(&result.v_, &result.v_, 0, VT_R8))) return 0;
    return result.v_.dblVal;
  }

 private:
  // Invokes a member by name; the arguments are cleared afterwards.
  bool Call(const wchar_t* name, WORD kind, std::vector<VARIANT>& args, VARIANT* result = nullptr) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    bool ok = SUCCEEDED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    if (ok) {
      DISPID put = DISPID_PROPERTYPUT;
      DISPPARAMS params = {args.data(), kind == DISPATCH_PROPERTYPUT ? &put : nullptr,
                           static_cast<UINT>(args.size()), kind == DISPATCH_PROPERTYPUT ? 1u : 0u};
      ok = SUCCEEDED(dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result,
                                       nullptr, nullptr));
    }
    for (VARIANT& v : args)
      VariantClear(&v);
    return ok;
  }

  IDispatch* dispatch_;
  bool answered_ = false;  // the last Send ended with a response
};

}  // namespace

RequestObject CreateRequestObject() {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"WinHttp.WinHttpRequest.5.1", &clsid))) return {};
  IDispatch* dispatch = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IDispatch, reinterpret_cast<void**>(&dispatch))) ||
      !dispatch) {
    return {};
  }
  return RequestObject(std::make_shared<WinHttpRequest>(dispatch));
}
