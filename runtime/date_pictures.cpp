#include "runtime/date_pictures.h"

#include <array>
#include <memory>
#include <mutex>
#include <string_view>

#include "runtime/dates.h"
#include "runtime/picture_layout.h"
#include "runtime/regional_pictures.h"

namespace rt {
namespace {

constexpr int kShortDatePicture = 17;
constexpr int kLongDatePicture = 18;
constexpr int kShortTimePicture = 7;
constexpr int kLongTimePicture = 8;

// Date pictures by number; the regional ones (17, 18) are empty here.
constexpr std::array<std::string_view, 20> kDatePatterns = {"Mm/dd/yy",
                                                            "Mm/dd/yyyy",
                                                            "NNN Dd, yyyy",
                                                            "NNNNNNNNN Dd, yyyy",
                                                            "Dd/mm/yy",
                                                            "Dd/mm/yyyy",
                                                            "Dd NNN yy",
                                                            "Dd NNN yyyy",
                                                            "yy/mm/dd",
                                                            "yyyy/mm/dd",
                                                            "yymmdd",
                                                            "yyyymmdd",
                                                            "Mm/yy",
                                                            "Mm/yyyy",
                                                            "yy/mm",
                                                            "yyyy/mm",
                                                            "",
                                                            "",
                                                            "Dd NNNNNNNNN yyyy",
                                                            "NNNNNNNNN Dd yyyy"};

constexpr std::array<std::string_view, 8> kTimePatterns = {
    "hh:mm", "hhmm", "Hh:mmPP", "hh:mm:ss", "hhmmss", "Hh:mm:ssPP", "", ""};

const std::array<Picture, 20>& FixedDatePictures() {
    static const std::array<Picture, 20> pictures = [] {
        std::array<Picture, 20> result;
        for (std::size_t i = 0; i < result.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            // Month names are printed in capitals except in picture 4.
            result[i] = DatePattern(kDatePatterns[i], number != 4);
        }
        return result;
    }();
    return pictures;
}

const std::array<Picture, 8>& FixedTimePictures() {
    static const std::array<Picture, 8> pictures = [] {
        std::array<Picture, 8> result;
        for (std::size_t i = 0; i < result.size(); ++i) result[i] = TimePattern(kTimePatterns[i]);
        return result;
    }();
    return pictures;
}

struct RegionalPictures {
    Picture shortDate, longDate, shortTime, longTime;
};

std::shared_ptr<const RegionalPictures> BuildRegional(const RegionalSettings& settings) {
    auto pictures = std::make_shared<RegionalPictures>();
    pictures->shortDate = ShortDatePicture(settings);
    pictures->longDate = LongDatePicture(settings);
    pictures->shortTime = ShortTimePicture(settings);
    pictures->longTime = LongTimePicture(settings);
    return pictures;
}

// The pictures from the regional settings in use; set at start-up, replaced
// only by LoadRegionalSettings / UseRegionalSettings. Readers on any thread
// take a reference under the lock.
class RegionalState {
  public:
    std::shared_ptr<const RegionalPictures> Get() {
        std::lock_guard lock(mutex_);
        if (!pictures_) pictures_ = BuildRegional(ReadRegionalSettings());
        return pictures_;
    }
    void Set(std::shared_ptr<const RegionalPictures> pictures) {
        std::lock_guard lock(mutex_);
        pictures_ = std::move(pictures);
    }

  private:
    std::mutex mutex_;
    std::shared_ptr<const RegionalPictures> pictures_;
};

RegionalState& Regional() {
    static RegionalState state;
    return state;
}

}  // namespace

std::string FormatDate(int32_t date, int picture) {
    if (picture < 1 || picture > static_cast<int>(kDatePatterns.size())) return {};
    const DateParts parts = SplitDate(date);
    PictureValues values;
    values.valid = IsValidDate(date);
    values.year = parts.year;
    values.month = parts.month;
    values.day = parts.day;
    if (picture == kShortDatePicture || picture == kLongDatePicture) {
        const auto regional = Regional().Get();
        return RenderPicture(
            picture == kShortDatePicture ? regional->shortDate : regional->longDate, values);
    }
    return RenderPicture(FixedDatePictures()[picture - 1], values);
}

std::string FormatTime(int32_t time, int picture) {
    if (picture < 1 || picture > static_cast<int>(kTimePatterns.size())) return {};
    const TimeParts parts = SplitTime(time);
    PictureValues values;
    values.valid = IsValidTime(time);
    values.hours = parts.hours;
    values.minutes = parts.minutes;
    values.seconds = parts.seconds;
    if (picture == kShortTimePicture || picture == kLongTimePicture) {
        const auto regional = Regional().Get();
        return RenderPicture(
            picture == kShortTimePicture ? regional->shortTime : regional->longTime, values);
    }
    return RenderPicture(FixedTimePictures()[picture - 1], values);
}

void LoadRegionalSettings() {
    Regional().Set(BuildRegional(ReadRegionalSettings()));
}

void UseRegionalSettings(const RegionalSettings& settings) {
    Regional().Set(BuildRegional(settings));
}

}  // namespace rt
