#pragma once
// The two promotional banners: their configuration file, fetched from the
// maker's site at every show, and their pictures with a cache beside the
// executable.
#include <string>

class TskSkinLinkImage;

// The maker's web site root, with a trailing "/".
const std::wstring& SiteRoot();
// For test builds only; the program itself never changes it.
void SetSiteRoot(const std::wstring& root);

// Downloads site root + code + ".rar" to ProgramDirectory + "SetConfig.ini".
bool FetchBannerConfig(const std::wstring& productCode);

// Fills one banner from the configuration: the downloaded picture, else
// the cached one, else the placeholder that leads to the site root. A
// picture that cannot be read raises its format's error.
void LoadBanner(TskSkinLinkImage& image, const std::wstring& key, const std::wstring& productCode);

// The red-outlined square and the text on a new bitmap of the control's size.
void DrawBannerPlaceholder(TskSkinLinkImage& image);
