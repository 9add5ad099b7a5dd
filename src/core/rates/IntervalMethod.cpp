#include "core/rates/IntervalMethod.h"

#include <array>

namespace orvelan {

namespace {

constexpr std::array<std::string_view, kIntervalMethodCount> kNames = {"normal", "exact", "gamma",
                                                                       "tiwari"};
constexpr std::array<std::string_view, kIntervalMethodCount> kTitles = {
    "Normal approximation", "Exact Poisson", "Gamma (Fay-Feuer)", "Modified gamma (Tiwari)"};

std::size_t indexOf(IntervalMethod method) { return static_cast<std::size_t>(method); }

} // namespace

std::string_view intervalMethodName(IntervalMethod method) { return kNames[indexOf(method)]; }

std::optional<IntervalMethod> parseIntervalMethod(std::string_view name) {
    for (int i = 0; i < kIntervalMethodCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<IntervalMethod>(i);
        }
    }
    return std::nullopt;
}

std::string_view intervalMethodTitle(IntervalMethod method) { return kTitles[indexOf(method)]; }

bool isIntervalLevel(int level) { return level == 90 || level == 95 || level == 99; }

double normalQuantile(int level) {
    switch (level) {
    case 90:
        return 1.645;
    case 99:
        return 2.576;
    default:
        return 1.96;
    }
}

IntervalFigure intervalFigureOf(RateKind kind) {
    switch (kind) {
    case RateKind::CrudeRate:
        return IntervalFigure::CrudeRate;
    case RateKind::AsrWorld:
    case RateKind::AsrEuropean:
        return IntervalFigure::Asr;
    case RateKind::NumberOfCases:
        return IntervalFigure::Cases;
    default:
        return IntervalFigure::Cumulative;
    }
}

bool intervalApplies(IntervalMethod method, IntervalFigure figure) {
    switch (method) {
    case IntervalMethod::Normal:
        return true;
    case IntervalMethod::Exact:
        return figure == IntervalFigure::Cases || figure == IntervalFigure::CrudeRate ||
               figure == IntervalFigure::Sir;
    case IntervalMethod::Gamma:
    case IntervalMethod::Tiwari:
        return figure == IntervalFigure::Asr;
    }
    return false;
}

IntervalMethod intervalMethodFor(IntervalMethod requested, IntervalFigure figure) {
    if (intervalApplies(requested, figure)) {
        return requested;
    }
    if (requested == IntervalMethod::Normal || figure == IntervalFigure::Cumulative) {
        return IntervalMethod::Normal;
    }
    // The small-count family: counts and ratios take exact limits, the ASR the gamma ones.
    return figure == IntervalFigure::Asr ? IntervalMethod::Gamma : IntervalMethod::Exact;
}

} // namespace orvelan
