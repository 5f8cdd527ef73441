#include "runtime/core/date_pictures.h"

#include <array>
#include <memory>
#include <mutex>
#include <string_view>

#include "runtime/core/dates.h"
#include "runtime/core/picture_layout.h"
#include "runtime/core/regional_pictures.h"

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

// A regional picture number and where its picture is kept.
struct RegionalSlot {
    int number;
    Picture RegionalPictures::*picture;
};

// Renders picture `number`: one of the two regional slots, else `fixed`.
std::string Render(int number, const Picture& fixed, RegionalSlot shortSlot, RegionalSlot longSlot,
                   const PictureValues& values) {
    if (number != shortSlot.number && number != longSlot.number) {
        return RenderPicture(fixed, values);
    }
    const auto regional = Regional().Get();
    const RegionalSlot& slot = number == shortSlot.number ? shortSlot : longSlot;
    return RenderPicture((*regional).*(slot.picture), values);
}

}  // namespace

std::string FormatDate(int32_t date, int picture) {
    if (picture < 1 || picture > static_cast<int>(kDatePatterns.size())) return {};
    const DateParts parts = SplitDate(date);
    const PictureValues values{
        .valid = IsValidDate(date), .year = parts.year, .month = parts.month, .day = parts.day};
    return Render(picture, FixedDatePictures()[picture - 1],
                  {kShortDatePicture, &RegionalPictures::shortDate},
                  {kLongDatePicture, &RegionalPictures::longDate}, values);
}

std::string FormatTime(int32_t time, int picture) {
    if (picture < 1 || picture > static_cast<int>(kTimePatterns.size())) return {};
    const TimeParts parts = SplitTime(time);
    const PictureValues values{.valid = IsValidTime(time),
                               .hours = parts.hours,
                               .minutes = parts.minutes,
                               .seconds = parts.seconds};
    return Render(picture, FixedTimePictures()[picture - 1],
                  {kShortTimePicture, &RegionalPictures::shortTime},
                  {kLongTimePicture, &RegionalPictures::longTime}, values);
}

void LoadRegionalSettings() {
    Regional().Set(BuildRegional(ReadRegionalSettings()));
}

void UseRegionalSettings(const RegionalSettings& settings) {
    Regional().Set(BuildRegional(settings));
}

}  // namespace rt
