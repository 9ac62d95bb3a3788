// What each field of the receiver configuration offers: its options, label and page.
#include "ReceiverConfigFields.h"

// The editor's translation tools read the texts marked here; the core itself has no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tarnell::ReceiverConfig {

namespace {

constexpr Option kOffOn[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                             {1, QT_TRANSLATE_NOOP("ReceiverConfig", "On"), true}};
constexpr Option kNoYes[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "No"), true},
                             {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Yes"), true}};
constexpr Option kCheck[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                             {1, QT_TRANSLATE_NOOP("ReceiverConfig", "On"), true}};
constexpr Option kInvertedOffOn[] = {{1, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                                     {0, QT_TRANSLATE_NOOP("ReceiverConfig", "On"), true}};

constexpr Option kTvSystem[] = {{0, "PAL", false}, {1, "NTSC", false}, {2, "PAL / NTSC", false}};
constexpr Option kAspect[] = {
    {0, "4 : 3", false}, {1, "16 : 9", false}, {2, "14 : 9", false}, {3, "16 : 10", false}};
constexpr Option kDisplayFormat[] = {{0, "Letterbox", false},
                                     {1, "Pan & Scan", false},
                                     {2, QT_TRANSLATE_NOOP("ReceiverConfig", "Full screen"), true}};
constexpr Option kVideoOutput[] = {{1, "CVBS", false}, {2, "RGB", false}, {4, "YC", false}};
constexpr Option kAudioMode[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Stereo"), true},
                                 {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Left"), true},
                                 {2, QT_TRANSLATE_NOOP("ReceiverConfig", "Right"), true},
                                 {3, QT_TRANSLATE_NOOP("ReceiverConfig", "Mono"), true}};
constexpr Option kResolutionPal[] = {{2, "576i", false},  {3, "576p", false},
                                     {4, "720p", false},  {5, "1080i", false},
                                     {6, "1080p", false}, {7, "Auto (PAL System)", false}};
constexpr Option kResolutionNtsc[] = {{2, "480i", false},  {3, "480p", false},
                                      {4, "720p", false},  {5, "1080i", false},
                                      {6, "1080p", false}, {7, "Auto (NTSC System)", false}};
constexpr Option kResolutionBoth[] = {{2, "480i(NTSC) / 576i(PAL)", false},
                                      {3, "480p / 576p", false},
                                      {4, "720p", false},
                                      {5, "1080i", false},
                                      {6, "1080p", false},
                                      {7, "Auto", false}};

#define SECONDS(n)                                                                                 \
    { n, QT_TRANSLATE_NOOP("ReceiverConfig", "%1 s"), true, n }
#define MINUTES(v, n)                                                                              \
    { v, QT_TRANSLATE_NOOP("ReceiverConfig", "%1 min"), true, n }
constexpr Option kInfoTime[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                                SECONDS(1),
                                SECONDS(2),
                                SECONDS(3),
                                SECONDS(4),
                                SECONDS(5),
                                SECONDS(10),
                                SECONDS(30),
                                MINUTES(60, 1),
                                {255, QT_TRANSLATE_NOOP("ReceiverConfig", "Always"), true}};
constexpr Option kVolumeTime[] = {SECONDS(1), SECONDS(2),  SECONDS(3),  SECONDS(4),
                                  SECONDS(5), SECONDS(10), SECONDS(30), MINUTES(60, 1)};
constexpr Option kMenuTime[] = {SECONDS(10),
                                SECONDS(20),
                                SECONDS(30),
                                MINUTES(60, 1),
                                {255, QT_TRANSLATE_NOOP("ReceiverConfig", "Always"), true}};
constexpr Option kHideShow[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Hide"), true},
                                {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Show"), true}};
constexpr Option kZapping[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Black screen"), true},
                               {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Still picture"), true}};
constexpr Option kTopBottom[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Top"), true},
                                 {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Bottom"), true}};
constexpr Option kFrontDisplay[] = {
    {0, QT_TRANSLATE_NOOP("ReceiverConfig", "Channel number"), true},
    {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Channel name"), true},
    {2, QT_TRANSLATE_NOOP("ReceiverConfig", "Clock"), true}};
constexpr Option kLighting[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Dimmed"), true},
                                {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Always"), true},
                                {2, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true}};
constexpr Option kTransparency[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                                    {1, "1", false},
                                    {3, "2", false},
                                    {8, "3", false},
                                    {14, "4", false},
                                    {20, "5", false}};

// Each language in its own name, so that anyone finds their own.
#define LANGUAGES_0_TO_11                                                                          \
    {0, "English", false}, {1, "Deutsch", false}, {2, "Français", false}, {3, "Italiano", false},  \
        {4, "Español", false}, {5, "Português", false}, {6, "Nederlands", false},                  \
        {7, "Svenska", false}, {8, "Dansk", false}, {9, "Suomi", false}, {10, "Norsk", false}, {   \
        11, "Polski", false                                                                        \
    }
#define LANGUAGES_13_TO_27                                                                         \
    {13, "Čeština", false}, {14, "Slovenčina", false}, {15, "Türkçe", false},                      \
        {16, "Ελληνικά", false}, {17, "Русский", false}, {18, "Українська", false},                \
        {19, "العربية", false}, {20, "فارسی", false}, {21, "Български", false},                    \
        {22, "Hrvatski", false}, {23, "Srpski", false}, {24, "Slovenščina", false},                \
        {25, "Română", false}, {26, "Eesti", false}, {                                             \
        27, "Latviešu", false                                                                      \
    }
#define LANGUAGES_28_TO_31                                                                         \
    {28, "Lietuvių", false}, {29, "Català", false}, {30, "עברית", false}, {                        \
        31, "Shqip", false                                                                         \
    }
// The menu offers no language 12 and none above 27.
constexpr Option kMenuLanguages[] = {LANGUAGES_0_TO_11, LANGUAGES_13_TO_27};
constexpr Option kLanguages[] = {
    LANGUAGES_0_TO_11, {12, "Magyar", false}, LANGUAGES_13_TO_27, LANGUAGES_28_TO_31};
constexpr Option kSubtitleLanguages[] = {LANGUAGES_0_TO_11,
                                         {12, "Magyar", false},
                                         LANGUAGES_13_TO_27,
                                         LANGUAGES_28_TO_31,
                                         {32, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true}};

constexpr Option kAgeRating[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "No limit"), true},
                                 {4, "   4", false},
                                 {6, "   6", false},
                                 {8, "   8", false},
                                 {10, "  10", false},
                                 {12, "  12", false},
                                 {15, "  15", false},
                                 {18, "  18", false}};

constexpr Option kMargin[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                              MINUTES(1, 1),
                              MINUTES(2, 2),
                              MINUTES(3, 3),
                              MINUTES(4, 4),
                              MINUTES(5, 5),
                              MINUTES(10, 10),
                              MINUTES(15, 15)};
constexpr Option kAfterRecording[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Standby"), true},
                                      {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Stay on"), true},
                                      {2, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true}};
constexpr Option kRecordLength[] = {MINUTES(30, 30), MINUTES(60, 60), MINUTES(90, 90),
                                    MINUTES(120, 120)};
constexpr Option kTimeshiftLength[] = {
    SECONDS(10),
    SECONDS(30),
    MINUTES(60, 1),
    MINUTES(120, 2),
    MINUTES(240, 4),
    MINUTES(600, 10),
    {65535, QT_TRANSLATE_NOOP("ReceiverConfig", "Unlimited"), true}};
constexpr Option kRecordFormat[] = {{0, "TS", false}, {1, "PS", false}};
constexpr Option kBufferRecording[] = {{1, "1", false},
                                       {16, "16", false},
                                       {32, "32", false},
                                       {64, "64", false},
                                       {0, QT_TRANSLATE_NOOP("ReceiverConfig", "Maximum"), true}};
// The same texts as the recording buffers, but here the largest is 256.
constexpr Option kBufferEpg[] = {{1, "1", false},
                                 {16, "16", false},
                                 {32, "32", false},
                                 {64, "64", false},
                                 {256, QT_TRANSLATE_NOOP("ReceiverConfig", "Maximum"), true}};
#undef SECONDS
#undef MINUTES

constexpr Option kTimeSetting[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Manual"), true},
                                   {1, QT_TRANSLATE_NOOP("ReceiverConfig", "Automatic"), true}};
constexpr Option kTimeZone[] = {
    {-720, "-12:00", false}, {-660, "-11:00", false}, {-600, "-10:00", false},
    {-540, "- 9:00", false}, {-480, "- 8:00", false}, {-420, "- 7:00", false},
    {-360, "- 6:00", false}, {-300, "- 5:00", false}, {-240, "- 4:00", false},
    {-210, "- 3:30", false}, {-180, "- 3:00", false}, {-120, "- 2:00", false},
    {-60, "- 1:00", false},  {0, "0:00", false},      {60, "+ 1:00", false},
    {120, "+ 2:00", false},  {180, "+ 3:00", false},  {210, "+ 3:30", false},
    {240, "+ 4:00", false},  {270, "+ 4:30", false},  {300, "+ 5:00", false},
    {330, "+ 5:30", false},  {360, "+ 6:00", false},  {420, "+ 7:00", false},
    {480, "+ 8:00", false},  {540, "+ 9:00", false},  {570, "+ 9:30", false},
    {600, "+10:00", false},  {660, "+11:00", false},  {690, "+11:30", false},
    {720, "+12:00", false}};
#define REGION(n)                                                                                  \
    { n, QT_TRANSLATE_NOOP("ReceiverConfig", "Region %1"), true, n }
constexpr Option kSummerTime[] = {{0, QT_TRANSLATE_NOOP("ReceiverConfig", "Off"), true},
                                  REGION(1),
                                  REGION(2),
                                  REGION(3),
                                  REGION(4),
                                  REGION(5),
                                  REGION(6),
                                  REGION(7),
                                  REGION(8),
                                  REGION(9),
                                  REGION(10),
                                  REGION(11),
                                  REGION(12),
                                  REGION(13),
                                  REGION(14),
                                  REGION(15),
                                  REGION(16),
                                  REGION(17),
                                  REGION(18),
                                  REGION(19),
                                  REGION(20),
                                  REGION(21),
                                  REGION(22),
                                  REGION(23),
                                  REGION(24),
                                  REGION(25),
                                  REGION(26),
                                  REGION(27),
                                  REGION(28)};
#undef REGION
constexpr Option kClockFormat[] = {{1, QT_TRANSLATE_NOOP("ReceiverConfig", "24 hours"), true},
                                   {2, QT_TRANSLATE_NOOP("ReceiverConfig", "12 hours"), true}};
constexpr Option kEpgSpan[] = {{0, "1:00", false},
                               {1, "1:30", false},
                               {2, "2:00", false},
                               {3, "3:00", false},
                               {4, "4:00", false}};

using enum Kind;
using P = Page;
// Pages list their fields in this order.
const Field kFields[] = {
    {"menu-language", P::Language, 268, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Menu language"),
     kMenuLanguages},
    {"audio-language-1", P::Language, 272, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "First audio language"), kLanguages},
    {"audio-language-2", P::Language, 276, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Second audio language"), kLanguages},
    {"subtitle-language-1", P::Language, 280, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "First subtitle language"), kSubtitleLanguages},
    {"subtitle-language-2", P::Language, 284, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Second subtitle language"), kSubtitleLanguages},
    {"epg-language", P::Language, 348, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Programme guide language"), kLanguages},

    {"timeshift", P::Recording, 660, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Timeshift"),
     kOffOn},
    {"auto-timeshift", P::Recording, 508, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Start timeshift automatically"), kOffOn},
    {"margin-before", P::Recording, 531, ByteList,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Start recordings earlier by"), kMargin},
    {"margin-after", P::Recording, 529, ByteList,
     QT_TRANSLATE_NOOP("ReceiverConfig", "End recordings later by"), kMargin},
    {"after-recording", P::Recording, 672, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "After a timer recording"), kAfterRecording},
    {"instant-recording", P::Recording, 436, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Length of an instant recording"), kRecordLength},
    {"timeshift-length", P::Recording, 656, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Timeshift length"), kTimeshiftLength},
    {"record-format", P::Recording, 404, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Recording format"), kRecordFormat},
    {"record-buffer", P::Recording, 456, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Recording buffer"), kBufferRecording},
    {"playback-buffer", P::Recording, 580, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Playback buffer"), kBufferRecording},

    {"age-rating", P::ParentalControl, 352, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Age rating"),
     kAgeRating},
    {"pin-code",
     P::ParentalControl,
     328,
     Code,
     QT_TRANSLATE_NOOP("ReceiverConfig", "PIN code"),
     {}},
    {"lock-1", P::ParentalControl, 452, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Lock %1"),
     kNoYes, false, false, 1},
    {"lock-2", P::ParentalControl, 192, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Lock %1"),
     kNoYes, false, false, 2},
    {"lock-3", P::ParentalControl, 200, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Lock %1"),
     kNoYes, false, false, 3},
    {"lock-4", P::ParentalControl, 196, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Lock %1"),
     kNoYes, false, false, 4},
    {"lock-5", P::ParentalControl, 692, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Lock %1"),
     kNoYes, false, false, 5},

    {"brightness",
     P::Display,
     320,
     Level,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Brightness"),
     {},
     false,
     true},
    {"info-time", P::Display, 312, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Info bar shown for"),
     kInfoTime},
    {"standby-clock", P::Display, 684, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Clock in standby"), kHideShow},
    {"volume-time", P::Display, 308, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Volume bar shown for"), kVolumeTime},
    {"channel-change", P::Display, 512, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "While changing channels"), kZapping},
    {"banner-position", P::Display, 520, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Info bar position"), kTopBottom},
    {"front-display", P::Display, 224, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Front display shows"), kFrontDisplay},
    {"display-lighting", P::Display, 552, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Front display lighting"), kLighting},
    {"menu-time", P::Display, 620, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Menu shown for"),
     kMenuTime},
    {"menu-transparency", P::Display, 624, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Menu transparency"), kTransparency},

    {"time-setting", P::Time, 208, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Time setting"),
     kTimeSetting},
    {"time-zone", P::Time, 324, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Time zone"), kTimeZone,
     false, true},
    {"summer-time", P::Time, 212, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Summer time"),
     kSummerTime},
    {"clock-format", P::Time, 344, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Clock format"),
     kClockFormat},

    {"tv-system", P::AvOutput, kTvSystemOffset, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "TV system"), kTvSystem},
    {"aspect-ratio", P::AvOutput, 236, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Aspect ratio"),
     kAspect},
    {"resolution", P::AvOutput, 568, Resolution, QT_TRANSLATE_NOOP("ReceiverConfig", "Resolution"),
     kResolutionPal},
    {"display-format", P::AvOutput, 240, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Display format"), kDisplayFormat},
    {"video-output", P::AvOutput, 244, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Video output"),
     kVideoOutput, true},
    {"dolby-digital", P::AvOutput, 652, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Dolby Digital"),
     kOffOn},
    {"hdmi-audio", P::AvOutput, 544, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Sound over HDMI"),
     kOffOn},
    {"audio-mode", P::AvOutput, 256, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Sound mode"),
     kAudioMode},
    {"video-option", P::AvOutput, 648, InvertedList,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Video option"), kInvertedOffOn, true},
    {"audio-delay",
     P::AvOutput,
     688,
     Milliseconds,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Sound delay"),
     {}},

    {"dhcp", P::Network, kDhcpOffset, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Addresses from the network (DHCP)"), kOffOn},
    {"ip-address", P::Network, 588, Address, QT_TRANSLATE_NOOP("ReceiverConfig", "IP address"), {}},
    {"subnet-mask",
     P::Network,
     592,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Subnet mask"),
     {}},
    {"gateway", P::Network, 596, Address, QT_TRANSLATE_NOOP("ReceiverConfig", "Gateway"), {}},
    {"dns-1",
     P::Network,
     600,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "First DNS server"),
     {}},
    {"dns-2",
     P::Network,
     604,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Second DNS server"),
     {}},
    {"address-1",
     P::Network,
     432,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Further address %1"),
     {},
     false,
     false,
     1},
    {"address-2",
     P::Network,
     468,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Further address %1"),
     {},
     false,
     false,
     2},
    {"address-3",
     P::Network,
     472,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Further address %1"),
     {},
     false,
     false,
     3},
    {"address-4",
     P::Network,
     480,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Further address %1"),
     {},
     false,
     false,
     4},
    {"address-5",
     P::Network,
     484,
     Address,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Further address %1"),
     {},
     false,
     false,
     5},
    {"network-option", P::Network, 640, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Network option"),
     kOffOn},
    {"text-1",
     P::Network,
     0,
     Text,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Text %1"),
     {},
     false,
     false,
     1},
    {"text-2",
     P::Network,
     1,
     Text,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Text %1"),
     {},
     false,
     false,
     2},
    {"text-3",
     P::Network,
     2,
     Text,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Text %1"),
     {},
     false,
     false,
     3},
    {"text-4",
     P::Network,
     3,
     Text,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Text %1"),
     {},
     false,
     false,
     4},

    {"list-option-1", P::ServiceList, 216, CheckBox,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"), kCheck, false, false, 1},
    {"list-option-2", P::ServiceList, 228, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"),
     kOffOn, false, false, 2},
    {"list-option-3", P::ServiceList, 408, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"),
     kOffOn, false, false, 3},
    {"list-option-4", P::ServiceList, 416, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"),
     kOffOn, false, false, 4},
    {"stored-numbers", P::ServiceList, 616, List,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Channel numbers as stored in the list"), kOffOn},
    {"list-option-5", P::ServiceList, 372, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"),
     kOffOn, false, false, 5},
    {"list-option-6", P::ServiceList, 632, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"),
     kOffOn, false, false, 6},

    {"longitude",
     P::Positioner,
     424,
     Longitude,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Site longitude"),
     {}},
    {"latitude",
     P::Positioner,
     428,
     Latitude,
     QT_TRANSLATE_NOOP("ReceiverConfig", "Site latitude"),
     {}},

    {"epg-span", P::Epg, 516, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Time span shown"),
     kEpgSpan},
    {"epg-option", P::Epg, 560, CheckBox, QT_TRANSLATE_NOOP("ReceiverConfig", "Option %1"), kCheck,
     false, false, 1},
    {"epg-buffer", P::Epg, 792, List, QT_TRANSLATE_NOOP("ReceiverConfig", "Programme guide memory"),
     kBufferEpg},
};

constexpr const char* kPageTitles[kPageCount] = {
    QT_TRANSLATE_NOOP("ReceiverConfig", "Language"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Recording"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Parental control"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Display"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Time"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Picture and sound output"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Network"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Service list"),
    QT_TRANSLATE_NOOP("ReceiverConfig", "Positioner and single cable"),
    "Epg Option"};
constexpr const char* kPageKeys[kPageCount] = {
    "language",  "recording", "parental-control", "display",    "time",
    "av-output", "network",   "service-list",     "positioner", "epg"};

} // namespace

std::span<const Field> Fields() {
    return kFields;
}

const char* PageTitle(Page page) {
    return kPageTitles[static_cast<int>(page)];
}

const char* PageKey(Page page) {
    return kPageKeys[static_cast<int>(page)];
}

std::span<const Option> ResolutionOptions(uint32_t tvSystem) {
    switch (tvSystem) {
    case 0:
        return kResolutionPal;
    case 1:
        return kResolutionNtsc;
    default:
        return kResolutionBoth;
    }
}

} // namespace tarnell::ReceiverConfig
