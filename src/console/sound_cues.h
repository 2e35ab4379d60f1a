#pragma once
// The sixteen sound cues: which wave file each plays and whether the game waits for it.

#include <array>
#include <string_view>

namespace wm {

struct SoundCue {
    std::string_view file;
    bool wait; // the call returns only when the sound has finished
};

inline constexpr int SoundCueCount = 16;

// The cues that call the player: something is ready, action is needed soon, action is overdue.
inline constexpr int CueReady = 2;
inline constexpr int CueSoon = 13;
inline constexpr int CueLate = 15;

inline constexpr std::array<SoundCue, SoundCueCount> SoundCues{{
    /*  0 bonus message  */ {"sndbonus.wav", false},
    /*  1 error message  */ {"snderror.wav", false},
    /*  2 alert level 2  */ {"sndnotify.wav", false},
    /*  3                */ {"sndmessage.wav", true},
    /*  4                */ {"sndbell1.wav", true},
    /*  5                */ {"sndbell2.wav", true},
    /*  6                */ {"sndbell3.wav", true},
    /*  7                */ {"sndbell4.wav", true},
    /*  8                */ {"sndwGWR.wav", true},
    /*  9                */ {"sndwLMS.wav", true},
    /* 10                */ {"sndwChime.wav", true},
    /* 11                */ {"sndTapper.wav", true},
    /* 12                */ {"sndLever.wav", true},
    /* 13 alert level 3  */ {"sndnormal.wav", false},
    /* 14                */ {"sndpassgr.wav", false},
    /* 15 alert level 4  */ {"sndurgent.wav", false},
}};

} // namespace wm
