// How users reach the makers of the program: support numbers, mail and web
// addresses shown in the status bar, the About and service windows and the
// help menu.
#pragma once

namespace hm::contact {

inline constexpr const char* kPhone = "010-5555-0188";
inline constexpr const char* kQQ = "800012345";
inline constexpr const char* kMail = "support@hengmu.example";
inline constexpr const char* kHomePage = "https://www.hengmu.example/";
inline constexpr const char* kQQPage = "https://www.hengmu.example/qq";
inline constexpr const char* kProductPage = "https://www.hengmu.example/mingli/";

}  // namespace hm::contact
