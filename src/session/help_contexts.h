#pragma once
// Help topics are opened by these fixed context numbers.

namespace wm {

inline constexpr int HelpTopics = 4;
inline constexpr int HelpIntroduction = 75;
inline constexpr int HelpArrivalsBoard = 100;
inline constexpr int HelpDeparturesBoard = 110;
inline constexpr int HelpReport = 120;
inline constexpr int HelpFirstScreen = 121; // 121..125: layout screens 0..4
inline constexpr int HelpDepartureDetails = 171;
inline constexpr int HelpArrivalDetails = 181;
inline constexpr int HelpLocosAt = 191;
inline constexpr int HelpContents = 201;
inline constexpr int HelpLocoLocation = 211;
inline constexpr int HelpCouplingWindow = 221;
inline constexpr int HelpRecentMessages = 225;
inline constexpr int HelpOptionsButton = 241;
inline constexpr int HelpLocos = 250;
inline constexpr int HelpErrorMessages = 261;
inline constexpr int HelpBonuses = 300;
inline constexpr int HelpOptionsOpen = 331;

} // namespace wm
