// Numo's maker, as the main window's labels, its title and the help text name it.
#pragma once

namespace numo::maker {

inline constexpr char kName[] = "Plimpton Data Tools";
inline constexpr char kStreet[] = "1200 Harbor Lane, Suite 4";
inline constexpr char kCity[] = "Port Alder, WA 98000";
inline constexpr char kPostBox[] = "P.O. Box 4410";
inline constexpr char kPostBoxCity[] = "Port Alder, WA 98001";
inline constexpr char kWeb[] = "www.plimpton-data.example";
inline constexpr char kEmail[] = "numo@plimpton-data.example";
inline constexpr char kPhone[] = "(555) 010-2001";
inline constexpr char kFax[] = "(555) 010-2002";
inline constexpr char kReleaseDate[] = "21 Sep 01";

} // namespace numo::maker
