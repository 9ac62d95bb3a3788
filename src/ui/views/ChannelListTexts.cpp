#include "ChannelListTexts.h"

#include "CSettingsFile.h"

#include <QCoreApplication>

#include <array>

namespace tarnell::ChannelList {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr int kPaddedLength = 20;

const std::array<ColumnInfo, kColumnCount> kColumns{{
    {kLeft, 140, Comparison::Text},    // name
    {kRight, 40, Comparison::Padded},  // number
    {kLeft, 40, Comparison::Padded},   // TV or radio
    {kLeft, 80, Comparison::Text},     // satellite
    {kLeft, 50, Comparison::Padded},   // frequency
    {kLeft, 40, Comparison::Padded},   // polarisation
    {kLeft, 50, Comparison::Padded},   // symbol rate
    {kRight, 60, Comparison::Padded},  // service ID
    {kRight, 60, Comparison::Padded},  // video PID
    {kRight, 60, Comparison::Padded},  // audio PID
    {kRight, 60, Comparison::Padded},  // PCR PID
    {kRight, 60, Comparison::Padded},  // service value 4
    {kCentre, 30, Comparison::Padded}, // HD
    {kCentre, 30, Comparison::Padded}, // T 1
    {kCentre, 30, Comparison::Padded}, // T 2
    {kCentre, 40, Comparison::Padded}, // scrambled
    {kCentre, 40, Comparison::Padded}, // mark 0x10
    {kCentre, 40, Comparison::Padded}, // mark 0x04
    {kLeft, 140, Comparison::Text},    // provider
}};

QString Tr(const char* text) {
    return QCoreApplication::translate("CTarnell1018View", text);
}

QString Number5(int value) {
    return QStringLiteral("%1").arg(value, 5);
}

QString Mark(bool on) {
    return on ? QStringLiteral("X") : QString();
}

} // namespace

const CTransponderData* UsableTransponder(const CSettingsFile& file, const CChannelData& channel) {
    const size_t index = channel.GetTransponderIndex();
    if (index >= file.m_transponders.Size()) {
        return nullptr;
    }
    const CTransponderData* transponder = file.m_transponders.At(index);
    return transponder->IsFree() ? nullptr : transponder;
}

QString SatelliteName(const CSettingsFile& file, const CTransponderData& transponder) {
    // An index equal to the count names no satellite either.
    const size_t satellite = transponder.GetSatelliteIndex();
    return satellite < file.m_satellites.Size()
               ? QString::fromStdString(file.m_satellites.At(satellite)->GetDisplayName())
               : QString();
}

QString ProviderName(const CSettingsFile& file, const CTransponderData& transponder) {
    const size_t provider = transponder.GetProviderIndex();
    return provider < file.m_providerNames.Size()
               ? QString::fromStdString(file.m_providerNames.At(provider)->GetDisplayName())
               : QString();
}

const ColumnInfo& Info(int column) {
    return kColumns.at(static_cast<size_t>(column));
}

QString Title(int column) {
    switch (column) {
    case kColName:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Name"));
    case kColNumber:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "No."));
    case kColKind:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Type"));
    case kColSatellite:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Satellite"));
    case kColFrequency:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Freq."));
    case kColPolarisation:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Pol."));
    case kColSymbolRate:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "SR"));
    case kColServiceId:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "SID"));
    case kColVideoPid:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "V-PID"));
    case kColAudioPid:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "A-PID"));
    case kColPcrPid:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "P-PID"));
    case kColValue4:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Value 4"));
    case kColHd:
        return QStringLiteral("HD");
    case kColT1:
        return QStringLiteral("T 1");
    case kColT2:
        return QStringLiteral("T 2");
    case kColScrambled:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Pay"));
    case kColMark10:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "M 1"));
    case kColMark04:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "M 2"));
    case kColProvider:
        return Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Provider"));
    default:
        return {};
    }
}

QString ChannelName(const CSettingsFile& file, const CChannelData& channel) {
    const size_t index = channel.GetNameIndex();
    if (index < file.m_channelNames.Size()) {
        QString name = QString::fromStdString(file.m_channelNames.At(index)->GetDisplayName());
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QStringLiteral("SVC_%1 Service").arg(channel.GetServiceId());
}

QString CompactText(int number, const QString& name) {
    return QStringLiteral("%1 ").arg(number, 4) + name;
}

QString CellText(const CSettingsFile& file, const CChannelData& channel, int column, int number) {
    const CTransponderData* transponder = nullptr;
    switch (column) {
    case kColSatellite:
    case kColFrequency:
    case kColPolarisation:
    case kColSymbolRate:
    case kColProvider:
        transponder = UsableTransponder(file, channel);
        if (!transponder) {
            return {};
        }
        break;
    default:
        break;
    }
    switch (column) {
    case kColName:
        return ChannelName(file, channel);
    case kColNumber:
        return QString::number(number);
    case kColKind:
        return channel.IsTv() ? Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "TV"))
                              : Tr(QT_TRANSLATE_NOOP("CTarnell1018View", "Radio"));
    case kColSatellite:
        return SatelliteName(file, *transponder);
    case kColFrequency:
        return QString::number(transponder->GetFrequency());
    case kColPolarisation:
        return QString::fromStdString(transponder->GetPolarisationLetter());
    case kColSymbolRate:
        return QString::number(transponder->GetSymbolRate());
    case kColServiceId:
        return Number5(channel.GetServiceId());
    case kColVideoPid:
        return Number5(std::min<int>(channel.GetVideoPid(), 8191));
    case kColAudioPid:
        return Number5(channel.GetAudioPid());
    case kColPcrPid:
        return Number5(channel.GetPcrPid());
    case kColValue4:
        return Number5(channel.GetServiceValue4());
    case kColHd:
        return Mark((channel.GetFlagByte() & 0x80) != 0);
    case kColT1:
        return Mark(channel.GetFlagT1());
    case kColT2:
        return Mark(channel.GetFlagT2());
    case kColScrambled:
        return (channel.GetFlagByte() & 0x08) != 0 ? QStringLiteral("\u20AC") : QString();
    case kColMark10:
        return Mark((channel.GetFlagByte() & 0x10) != 0);
    case kColMark04:
        return Mark((channel.GetFlagByte() & 0x04) != 0);
    case kColProvider:
        return ProviderName(file, *transponder);
    default:
        return {};
    }
}

int ChannelNumber(const CChannelData& channel, int row, bool favouriteSequence,
                  uint32_t configOptionFlag) {
    if (favouriteSequence) {
        return row + 1;
    }
    return configOptionFlag == 1 ? channel.GetStoredNumber() : channel.GetRunningNumber();
}

QString PaddedKey(const QString& text) {
    if (text.size() >= kPaddedLength) {
        return text;
    }
    return QString(kPaddedLength - text.size(), QLatin1Char('0')) + text;
}

QString TextKey(const QString& text) {
    return text.toUpper();
}

int64_t NumericKey(const CSettingsFile& file, const CChannelData& channel, int column, int number) {
    switch (column) {
    case kColNumber:
        return number;
    case kColFrequency:
    case kColSymbolRate: {
        // An empty text pads to all zeros, as 0 does.
        const CTransponderData* t = UsableTransponder(file, channel);
        return !t ? 0 : column == kColFrequency ? t->GetFrequency() : t->GetSymbolRate();
    }
    // "%5i" of values below 100,000: one width, so the texts sort as the values.
    case kColServiceId:
        return channel.GetServiceId();
    case kColVideoPid:
        return std::min<int>(channel.GetVideoPid(), 8191);
    case kColAudioPid:
        return channel.GetAudioPid();
    case kColPcrPid:
        return channel.GetPcrPid();
    case kColValue4:
        return channel.GetServiceValue4();
    default:
        return -1;
    }
}

std::vector<CChannelData*> SelectChannels(const CSettingsFile& file, const ListFill& fill,
                                          bool satelliteRestrictShow, bool* badKind) {
    std::vector<CChannelData*> rows;
    if (badKind) {
        *badKind = false;
    }
    const auto& channels = file.m_channels.Items();
    rows.reserve(channels.size());
    const auto kindMatches = [&fill, satelliteRestrictShow](const CChannelData& c) {
        return !satelliteRestrictShow || c.IsTv() == fill.tv;
    };
    switch (fill.mode) {
    case ListMode::AllChannels:
        if (fill.index != 0 && fill.index != 1) {
            if (badKind && fill.index != 2) {
                *badKind = true;
            }
            break;
        }
        for (const auto& c : channels) {
            if (c->IsTv() == (fill.index == 0)) {
                rows.push_back(c.get());
            }
        }
        break;
    case ListMode::Favourite:
        for (const auto& c : channels) {
            if (c->IsTv() == fill.tv && c->IsInFavourite(fill.index)) {
                rows.push_back(c.get());
            }
        }
        break;
    case ListMode::Transponder:
        for (const auto& c : channels) {
            if (c->GetTransponderIndex() == fill.index && fill.index >= 0 && kindMatches(*c)) {
                rows.push_back(c.get());
            }
        }
        break;
    case ListMode::Satellite:
    case ListMode::Provider:
        for (const auto& c : channels) {
            const CTransponderData* t = UsableTransponder(file, *c);
            if (!t || !kindMatches(*c)) {
                continue;
            }
            const int owner =
                fill.mode == ListMode::Satellite ? t->GetSatelliteIndex() : t->GetProviderIndex();
            if (owner == fill.index) {
                rows.push_back(c.get());
            }
        }
        break;
    }
    return rows;
}

} // namespace tarnell::ChannelList
