#include "settings/number_fields.h"

#include <cstdlib>

#include "catalog/encode_modes.h"
#include "catalog/muxers.h"
#include "text/number_text.h"

namespace qv {
namespace {

using C = ControlId;

// The label that names each number field on the form.
struct FieldCaption {
  ControlId field;
  ControlId caption;
};

constexpr FieldCaption kFieldCaptions[] = {
    {C::MinSize, C::MinSizeLabel}, {C::MaxSize, C::MaxSizeLabel}, {C::Value, C::RateCaption},
    {C::Auto1pCrf, C::CrfLabel},   {C::Kfb, C::KfbLabel},         {C::Bfr, C::BfrLabel},
    {C::Vbr, C::VbrLabel},         {C::MinQp, C::MinQpLabel},     {C::MaxQp, C::MaxQpLabel},
    {C::QpStep, C::QpStepLabel},   {C::Vbs, C::VbsLabel},         {C::Vmb, C::VmbLabel},
    {C::Vib, C::VibLabel},         {C::Bv, C::BvLabel},           {C::Sct, C::SctLabel},
    {C::MinGop, C::MinGopLabel},   {C::MaxGop, C::MaxGopLabel},   {C::MaxB, C::MaxBLabel},
    {C::Bias, C::BiasLabel},       {C::Range, C::RangeLabel},     {C::Ref, C::RefLabel},
    {C::AudioBitrate, C::Audio},   {C::SarX, C::SarLabel},        {C::SarY, C::SarLabel},
    {C::Threads, C::ThreadsLabel}, {C::Nr, C::NrLabel},
};

std::string CaptionOf(const Form& form, ControlId field) {
  for (const FieldCaption& row : kFieldCaptions) {
    if (row.field == field) return form.Text(row.caption);
  }
  return std::string(ControlName(field));
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The format of the number that `field` holds; nothing for a field that
// holds no number.
std::optional<ValueFormat> NumberFormatOf(ControlId field) {
  for (const SettingSpec& setting : AllSettings()) {
    if (setting.control != field || ControlRow(field).kind != ControlKind::Edit) continue;
    if (setting.format == ValueFormat::Integer || setting.format == ValueFormat::Fraction) return setting.format;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> TypingRefusal(ControlId field, std::string_view text) {
  const std::optional<ValueFormat> format = NumberFormatOf(field);
  if (!format) return std::nullopt;
  const bool fraction = *format == ValueFormat::Fraction;
  if (text.find_first_not_of(fraction ? "0123456789 \t+-." : "0123456789 \t+-") == std::string_view::npos) {
    return std::nullopt;
  }
  return fraction ? "Only a number can be typed here: digits, a minus sign and a point."
                  : "Only a whole number can be typed here: digits and a minus sign.";
}

bool IsWholeNumber(std::string_view text, ValueFormat format) {
  text = Trimmed(text);
  const std::optional<std::string> number = NumberText(text, format == ValueFormat::Fraction);
  return number && (*number == text || (text.front() == '+' && *number == text.substr(1)));
}

std::optional<NonNumber> FindNonNumber(const Form& form) {
  for (const SettingSpec& setting : AllSettings()) {
    const ControlId field = setting.control;
    const std::optional<ValueFormat> format = NumberFormatOf(field);
    if (!format || !form.Enabled(field) || !form.Visible(field)) continue;
    std::string text = form.Text(field);
    if (!IsWholeNumber(text, *format)) return NonNumber{field, CaptionOf(form, field), std::move(text)};
  }
  return std::nullopt;
}

std::optional<RateOutside> FindRateOutsideRange(const Form& form) {
  // Audio alone runs no x264, and no rate is written.
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer != nullptr && muxer->audioOnly) return std::nullopt;
  const int mode = form.Number(ControlId::Mode);
  const RateRange range = RateRangeOf(mode);
  std::string text = form.Text(ControlId::Value);
  const double rate = std::strtod(text.c_str(), nullptr);
  if (rate >= range.lo && rate <= range.hi) return std::nullopt;
  return RateOutside{CaptionOf(form, ControlId::Value), std::move(text), RateRangeText(mode)};
}

}  // namespace qv
