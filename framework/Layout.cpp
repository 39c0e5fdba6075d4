#include "framework/Layout.h"

#include <cwctype>

#include "framework/Exceptions.h"
#include "framework/Utf.h"

namespace fw {
namespace {

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

[[noreturn]] void Fail(int line, const std::wstring& what) {
  throw ELayoutError(L"Layout line " + std::to_wstring(line) + L": " + what);
}

// --- Tokens -------------------------------------------------------------

struct Token {
  enum class Kind { End, Name, Integer, String, Symbol, Binary, External };
  Kind kind = Kind::End;
  std::wstring text;  // Name, String, Symbol, External
  int64_t integer = 0;
  std::vector<uint8_t> bytes;  // Binary
  int line = 0;
};

class Lexer {
 public:
  explicit Lexer(const std::string& text) : s_(text) {}

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (i_ >= s_.size()) return t;
    const char c = s_[i_];
    if (IsNameStart(c)) {
      size_t start = i_;
      while (i_ < s_.size() && (IsNameStart(s_[i_]) || IsDigit(s_[i_]) || s_[i_] == '.')) ++i_;
      t.kind = Token::Kind::Name;
      t.text = Utf8ToWide(s_.substr(start, i_ - start));
    } else if (IsDigit(c) || ((c == '-' || c == '+') && i_ + 1 < s_.size() && IsDigit(s_[i_ + 1]))) {
      t.kind = Token::Kind::Integer;
      t.integer = ReadInteger();
    } else if (c == '$') {
      ++i_;
      t.kind = Token::Kind::Integer;
      t.integer = ReadDigits(16);
    } else if (c == '\'' || c == '#') {
      t.kind = Token::Kind::String;
      t.text = ReadString();
    } else if (c == '{') {
      t.kind = Token::Kind::Binary;
      t.bytes = ReadBinary();
    } else if (c == '@') {
      ++i_;
      size_t start = i_;
      while (i_ < s_.size() && (IsNameStart(s_[i_]) || IsDigit(s_[i_]) || s_[i_] == '.')) ++i_;
      if (start == i_) Fail(line_, L"a name must follow '@'");
      t.kind = Token::Kind::External;
      t.text = Utf8ToWide(s_.substr(start, i_ - start));
    } else {
      ++i_;
      t.kind = Token::Kind::Symbol;
      t.text = std::wstring(1, static_cast<wchar_t>(c));
    }
    return t;
  }

 private:
  static bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void SkipBlanks() {
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (c == '\n') {
        ++line_;
        ++i_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++i_;
      } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '/') {
        while (i_ < s_.size() && s_[i_] != '\n') ++i_;
      } else {
        break;
      }
    }
  }

  int64_t ReadDigits(int base) {
    int64_t value = 0;
    size_t start = i_;
    while (i_ < s_.size()) {
      const char c = s_[i_];
      int d = -1;
      if (IsDigit(c)) d = c - '0';
      if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) break;
      value = value * base + d;
      if (value > 0xFFFFFFFFLL) Fail(line_, L"number out of range");
      ++i_;
    }
    if (start == i_) Fail(line_, L"digits expected");
    return value;
  }

  int64_t ReadInteger() {
    bool negative = false;
    if (s_[i_] == '-' || s_[i_] == '+') negative = s_[i_++] == '-';
    const int64_t v = ReadDigits(10);
    return negative ? -v : v;
  }

  // 'quoted'' text' and #nnn character codes, concatenated.
  std::wstring ReadString() {
    std::wstring out;
    while (i_ < s_.size() && (s_[i_] == '\'' || s_[i_] == '#')) {
      if (s_[i_] == '#') {
        ++i_;
        out += static_cast<wchar_t>(ReadDigits(10));
        continue;
      }
      ++i_;
      std::string bytes;
      for (;;) {
        if (i_ >= s_.size() || s_[i_] == '\n') Fail(line_, L"unterminated string");
        if (s_[i_] == '\'') {
          if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
            bytes += '\'';
            i_ += 2;
            continue;
          }
          ++i_;
          break;
        }
        bytes += s_[i_++];
      }
      out += Utf8ToWide(bytes);
    }
    return out;
  }

  std::vector<uint8_t> ReadBinary() {
    ++i_;  // '{'
    std::vector<uint8_t> out;
    int high = -1;
    for (;;) {
      if (i_ >= s_.size()) Fail(line_, L"unterminated binary block");
      const char c = s_[i_++];
      if (c == '}') break;
      if (c == '\n') {
        ++line_;
        continue;
      }
      if (c == ' ' || c == '\t' || c == '\r') continue;
      int d = -1;
      if (IsDigit(c)) d = c - '0';
      if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) Fail(line_, L"hexadecimal digit expected in binary block");
      if (high < 0) {
        high = d;
      } else {
        out.push_back(static_cast<uint8_t>(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail(line_, L"odd number of digits in binary block");
    return out;
  }

  const std::string& s_;
  size_t i_ = 0;
  int line_ = 1;
};

// --- Parse tree -----------------------------------------------------------

struct ObjectNode {
  std::wstring name;
  std::wstring className;
  int line = 0;
  std::vector<std::pair<std::wstring, LayoutValue>> properties;
  std::vector<ObjectNode> children;
};

class Parser {
 public:
  explicit Parser(const std::string& text) : lexer_(text) { Advance(); }

  ObjectNode ParseRoot() {
    ObjectNode root = ParseObject();
    if (tok_.kind != Token::Kind::End) Fail(tok_.line, L"text after the last 'end'");
    return root;
  }

 private:
  void Advance() { tok_ = lexer_.Next(); }
  bool IsName(const wchar_t* word) const { return tok_.kind == Token::Kind::Name && Lower(tok_.text) == word; }
  bool IsSymbol(wchar_t c) const { return tok_.kind == Token::Kind::Symbol && tok_.text[0] == c; }
  void Expect(wchar_t c) {
    if (!IsSymbol(c)) Fail(tok_.line, std::wstring(L"'") + c + L"' expected");
    Advance();
  }
  std::wstring ExpectName(const wchar_t* what) {
    if (tok_.kind != Token::Kind::Name) Fail(tok_.line, std::wstring(what) + L" expected");
    std::wstring n = tok_.text;
    Advance();
    return n;
  }

  ObjectNode ParseObject() {
    if (!IsName(L"object")) Fail(tok_.line, L"'object' expected");
    ObjectNode node;
    node.line = tok_.line;
    Advance();
    node.name = ExpectName(L"component name");
    Expect(L':');
    node.className = ExpectName(L"class name");
    while (!IsName(L"end")) {
      if (tok_.kind == Token::Kind::End) Fail(tok_.line, L"'end' expected for " + node.name);
      if (IsName(L"object")) {
        node.children.push_back(ParseObject());
      } else {
        node.properties.push_back(ParseAssignment());
      }
    }
    Advance();
    return node;
  }

  std::pair<std::wstring, LayoutValue> ParseAssignment() {
    std::wstring name = ExpectName(L"property name");
    Expect(L'=');
    return {name, ParseValue()};
  }

  LayoutValue ParseValue() {
    LayoutValue v;
    v.line = tok_.line;
    switch (tok_.kind) {
      case Token::Kind::Integer:
        v.kind = LayoutValue::Kind::Integer;
        v.integer = tok_.integer;
        Advance();
        return v;
      case Token::Kind::String:
        v.kind = LayoutValue::Kind::String;
        v.text = tok_.text;
        Advance();
        while (IsSymbol(L'+')) {  // long texts are written in pieces
          Advance();
          if (tok_.kind != Token::Kind::String) Fail(tok_.line, L"string expected after '+'");
          v.text += tok_.text;
          Advance();
        }
        return v;
      case Token::Kind::Name:
        v.kind = LayoutValue::Kind::Identifier;
        v.text = tok_.text;
        Advance();
        return v;
      case Token::Kind::Binary:
        v.kind = LayoutValue::Kind::Binary;
        v.bytes = std::move(tok_.bytes);
        Advance();
        return v;
      case Token::Kind::External:
        v.kind = LayoutValue::Kind::Binary;
        v.text = tok_.text;  // resolved by the reader through its sources
        Advance();
        return v;
      case Token::Kind::Symbol:
        if (IsSymbol(L'[')) return ParseSet(v);
        if (IsSymbol(L'<')) return ParseCollection(v);
        break;
      case Token::Kind::End: break;
    }
    Fail(tok_.line, L"value expected");
  }

  LayoutValue ParseSet(LayoutValue v) {
    v.kind = LayoutValue::Kind::Set;
    Advance();
    while (!IsSymbol(L']')) {
      v.set.push_back(ExpectName(L"set member"));
      if (IsSymbol(L',')) {
        Advance();
      } else if (!IsSymbol(L']')) {
        Fail(tok_.line, L"',' or ']' expected");
      }
    }
    Advance();
    return v;
  }

  LayoutValue ParseCollection(LayoutValue v) {
    v.kind = LayoutValue::Kind::Collection;
    Advance();
    while (!IsSymbol(L'>')) {
      if (!IsName(L"item")) Fail(tok_.line, L"'item' expected");
      Advance();
      LayoutItem item;
      while (!IsName(L"end")) {
        if (tok_.kind == Token::Kind::End) Fail(tok_.line, L"'end' expected for item");
        item.properties.push_back(ParseAssignment());
      }
      Advance();
      v.items.push_back(std::move(item));
    }
    Advance();
    return v;
  }

  Lexer lexer_;
  Token tok_;
};

// --- Applying the tree ------------------------------------------------------

class Reader : public LayoutContext {
 public:
  Reader(const LayoutSources& sources, const ClassRegistry& registry) : sources_(sources), registry_(registry) {}

  void Read(TComponent& root, const ObjectNode& node) {
    root_ = &root;
    const ClassInfo* info = registry_.Find(node.className);
    if (!info) Fail(node.line, L"unknown class " + node.className);
    root.BeginLoading();
    root.SetName(node.name);
    loaded_.push_back(&root);
    ApplyProperties(root, *info, node);
    for (const auto& child : node.children) CreateChild(root, child);

    // References are resolved only now, so they may point forwards.
    for (auto& fixup : fixups_) {
      TComponent* target = FindByName(fixup.name);
      if (!target) Fail(fixup.line, L"unknown component " + fixup.name);
      fixup.apply(target);
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

  void AddFixup(const std::wstring& name, int line, std::function<void(TComponent*)> apply) override {
    fixups_.push_back({name, line, std::move(apply)});
  }

  TNotifyEvent FindMethod(const std::wstring& name, int line) override {
    TNotifyEvent handler = sources_.methods ? sources_.methods(name) : TNotifyEvent{};
    if (!handler) Fail(line, L"unknown method " + name);
    return handler;
  }

  std::vector<uint8_t> FindBinary(const std::wstring& name, int line) override {
    if (!sources_.binaries) Fail(line, L"no binary block named " + name);
    return sources_.binaries(name);
  }

 private:
  struct Fixup {
    std::wstring name;
    int line;
    std::function<void(TComponent*)> apply;
  };

  TComponent* FindByName(const std::wstring& name) const {
    if (Lower(name) == Lower(root_->Name())) return root_;
    return root_->FindComponent(name);
  }

  void CreateChild(TComponent& container, const ObjectNode& node) {
    const ClassInfo* info = registry_.Find(node.className);
    if (!info) Fail(node.line, L"unknown class " + node.className);
    if (!info->Creatable()) Fail(node.line, L"class " + node.className + L" cannot be created");
    TComponent* c = info->Create(root_);
    c->BeginLoading();
    loaded_.push_back(c);
    try {
      c->SetName(node.name);
    } catch (const Exception& e) {
      Fail(node.line, e.Message());
    }
    c->SetParentComponent(&container);
    ApplyProperties(*c, *info, node);
    for (const auto& child : node.children) CreateChild(*c, child);
  }

  void ApplyProperties(TComponent& c, const ClassInfo& info, const ObjectNode& node) {
    for (const auto& [name, value] : node.properties) {
      const PropertySetter* setter = info.FindProperty(name);
      if (!setter) Fail(value.line, info.Name() + L" has no property " + name);
      if (value.kind == LayoutValue::Kind::Binary && !value.text.empty()) {
        LayoutValue resolved = value;
        resolved.bytes = FindBinary(value.text, value.line);
        (*setter)(c, resolved, *this);
      } else {
        (*setter)(c, value, *this);
      }
    }
  }

  const LayoutSources& sources_;
  const ClassRegistry& registry_;
  TComponent* root_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

const wchar_t* KindName(LayoutValue::Kind kind) {
  switch (kind) {
    case LayoutValue::Kind::Integer: return L"a number";
    case LayoutValue::Kind::String: return L"a string";
    case LayoutValue::Kind::Identifier: return L"a name";
    case LayoutValue::Kind::Set: return L"a set";
    case LayoutValue::Kind::Binary: return L"binary data";
    case LayoutValue::Kind::Collection: return L"a collection";
  }
  return L"a value";
}

}  // namespace

int LayoutValue::AsInt() const {
  if (kind != Kind::Integer) Fail(line, std::wstring(L"a number expected, found ") + KindName(kind));
  if (integer < INT32_MIN || integer > 0xFFFFFFFFLL) Fail(line, L"number out of range");
  return static_cast<int>(static_cast<uint32_t>(integer));
}

bool LayoutValue::AsBool() const {
  if (kind == Kind::Identifier) {
    const std::wstring v = Lower(text);
    if (v == L"true") return true;
    if (v == L"false") return false;
  }
  Fail(line, L"True or False expected");
}

const std::wstring& LayoutValue::AsText() const {
  if (kind != Kind::String) Fail(line, std::wstring(L"a string expected, found ") + KindName(kind));
  return text;
}

const std::wstring& LayoutValue::AsIdent() const {
  if (kind != Kind::Identifier) Fail(line, std::wstring(L"a name expected, found ") + KindName(kind));
  return text;
}

const PropertySetter* ClassInfo::FindProperty(const std::wstring& name) const {
  const std::wstring key = Lower(name);
  for (const ClassInfo* c = this; c; c = c->parent_) {
    auto it = c->properties_.find(key);
    if (it != c->properties_.end()) return &it->second;
  }
  return nullptr;
}

ClassInfo& ClassInfo::Property(const std::wstring& name, PropertySetter setter) {
  properties_[Lower(name)] = std::move(setter);
  return *this;
}

std::vector<std::wstring> ClassInfo::SetMembers(const LayoutValue& v) {
  if (v.kind != LayoutValue::Kind::Set) Fail(v.line, L"a set expected");
  return v.set;
}

void ClassInfo::ThrowWrongClass(TComponent& c, int line) { Fail(line, L"property does not apply to " + c.ClassName()); }

void ClassInfo::ThrowWrongReference(TComponent* target, int line) {
  Fail(line, target->Name() + L" is not of the kind this property refers to");
}

void ClassInfo::ThrowUnknownName(const std::wstring& name, int line) { Fail(line, L"unknown value " + name); }

ClassRegistry& ClassRegistry::Instance() {
  static ClassRegistry registry;
  return registry;
}

ClassInfo& ClassRegistry::Register(const std::wstring& name, const std::wstring& parent, ClassInfo::Factory factory,
                                   ClassInfo::Test test) {
  const ClassInfo* base = nullptr;
  if (!parent.empty()) {
    base = Find(parent);
    if (!base) throw ELayoutError(L"Base class " + parent + L" is not registered");
  }
  // Registering twice keeps the first entry: derived classes point at it.
  auto& slot = classes_[Lower(name)];
  if (!slot) slot = std::make_unique<ClassInfo>(name, base, std::move(factory), std::move(test));
  return *slot;
}

const ClassInfo* ClassRegistry::Find(const std::wstring& name) const {
  auto it = classes_.find(Lower(name));
  return it == classes_.end() ? nullptr : it->second.get();
}

const ClassInfo* ClassRegistry::FindFor(const TComponent& c) const {
  // The deepest class in the registered hierarchy that describes `c`.
  const ClassInfo* best = nullptr;
  int bestDepth = -1;
  for (const auto& [key, info] : classes_) {
    if (!info->Describes(c)) continue;
    int depth = 0;
    for (const ClassInfo* p = info->Parent(); p; p = p->Parent()) ++depth;
    if (depth > bestDepth) {
      best = info.get();
      bestDepth = depth;
    }
  }
  return best;
}

void ReadLayout(TComponent& root, const std::string& text, const LayoutSources& sources,
                const ClassRegistry& registry) {
  Parser parser(text);
  const ObjectNode tree = parser.ParseRoot();
  Reader reader(sources, registry);
  reader.Read(root, tree);
}

}  // namespace fw
