#pragma once
// The seam between the portable skin data and the windows it notifies.
// TskSkinData decides who hears a skin message and in which order (its
// owner form first, then the screen's forms); a messenger installed by the
// Windows start-up code knows what a form is and delivers the message with
// SendMessage (wParam = the skin data, lParam = 1000). With no messenger
// installed (tools, most tests) broadcasts reach nobody.
namespace fw {
class TComponent;
}

namespace sk {

class TskSkinData;

// Window messages of the skin engine, sent synchronously.
constexpr unsigned SKINMSG_BEFORE_CHANGE = 1225;
constexpr unsigned SKINMSG_CHANGED = 1226;
constexpr unsigned SKINMSG_AFTER_CHANGE = 1227;
constexpr unsigned SKINMSG_CLOSE_MENU = 1228;
constexpr unsigned SKINMSG_MENU_COMMAND = 1229;
constexpr unsigned SKINMSG_MDICHILD_FIT = 1230;
constexpr unsigned SKINMSG_MDICHILD_MAXIMIZED = 1231;
constexpr unsigned SKINMSG_MDICHILD_RESTORED = 1232;
constexpr unsigned SKINMSG_RESOURCE_STRINGS = 1274;
constexpr unsigned SKINMSG_PARENT_BACKGROUND = 1284;
constexpr unsigned SKINMSG_FORM_SKINNABLE = 1294;
// lParam of every skin-data broadcast.
constexpr long kSkinMessageLParam = 1000;

class TskSkinFormMessenger {
 public:
  virtual ~TskSkinFormMessenger() = default;
  // Whether the component is a form (a skin data's owner may be anything).
  virtual bool IsForm(const fw::TComponent* component) const = 0;
  // The screen's forms, in index order; asked again before every send, so
  // a form created or destroyed by a receiver is seen.
  virtual int FormCount() const = 0;
  virtual fw::TComponent* Forms(int index) const = 0;
  // Sends `message` to the form's window (created now if it has none yet)
  // and returns when the form has handled it.
  virtual void SendSkinMessage(fw::TComponent* form, unsigned message, TskSkinData* sender) = 0;
};

// Installs the process-wide messenger (null removes it); returns the
// previous one. The caller keeps ownership.
TskSkinFormMessenger* SetSkinFormMessenger(TskSkinFormMessenger* messenger);
TskSkinFormMessenger* SkinFormMessenger();

}  // namespace sk
