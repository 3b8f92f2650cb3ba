// The acceptance test that every entry of a file search passes before it is reported.
#include "catalog/findfile/EntryAcceptance.h"

#include <algorithm>
#include <cmath>

#include "catalog/findfile/ContentMatcher.h"
#include "catalog/findfile/FileMask.h"

namespace kinshelf {

namespace {

double DatePart(double t) {
  return std::trunc(t);
}

double TimeOfDay(double t) {
  return std::fabs(t - std::trunc(t));
}

// The value of t that a bound compares with, by the bound's kind.
double ComparedPart(double t, double bound) {
  if (TimeOfDay(bound) == 0) return DatePart(t);
  if (DatePart(bound) == 0) return TimeOfDay(t);
  return t;
}

bool PairHolds(const std::optional<double>& t, double before, double after) {
  if (before == 0 && after == 0) return true;
  return t && UpperBoundHolds(*t, before) && LowerBoundHolds(*t, after);
}

bool SizeLimitsSet(const TSizeCriteria& size) {
  return size.Min != 0 || size.Max != 0;
}

bool DateBoundsSet(const TDateTimeCriteria& d) {
  return d.CreatedBefore != 0 || d.CreatedAfter != 0 || d.ModifiedBefore != 0 || d.ModifiedAfter != 0 ||
         d.AccessedBefore != 0 || d.AccessedAfter != 0;
}

bool NeedsStatus(const TTargetSearch& run) {
  return AttributeTestNeedsStatus(run.Attribute) || run.AttributeEx.NeedsStatus() ||
         SizeLimitsSet(run.Size) || DateBoundsSet(run.TimeStamp);
}

bool StatusTestsPass(const TTargetSearch& run, const TFoundEntry& entry) {
  const auto& status = entry.Status();
  return status && AttributesMatch(status->attributes, run.Attribute) &&
         run.AttributeEx.Matches(status->attributes) && SizeMatches(status->size, run.Size) &&
         DatesMatch(*status, run.TimeStamp);
}

bool IsRejected(const std::vector<std::string>& rejectMasks, const std::string& folder,
                const std::string& name) {
  return std::any_of(rejectMasks.begin(), rejectMasks.end(),
                     [&](const auto& entry) { return RejectMaskMatches(entry, folder, name); });
}

bool ContentMatches(const TContentCriteria& content, const TFoundEntry& entry) {
  if (content.Phrase().empty()) return true;
  if (entry.Type() != platform::EntryType::kRegular) return false;
  const platform::FileDescriptor fd = entry.OpenFile();
  return fd.IsOpen() && ContainsPhrase(fd.Get(), content);
}

}  // namespace

bool AttributeTestNeedsStatus(const TAttributeCriteria& criteria) {
  return criteria.ExactMatch || (criteria.Attributes & ffReadonly) == 0;
}

bool AttributesMatch(std::uint32_t attributes, const TAttributeCriteria& criteria) {
  const std::uint32_t a = attributes & kAttributeTestBits;
  if (criteria.ExactMatch) return a == (criteria.Attributes & kAttributeTestBits);
  return (a & ~criteria.Attributes) == 0;
}

bool SizeMatches(std::int64_t size, const TSizeCriteria& criteria) {
  return (criteria.Min == 0 || size >= criteria.Min) && (criteria.Max == 0 || size <= criteria.Max);
}

bool UpperBoundHolds(double t, double bound) {
  return bound == 0 || ComparedPart(t, bound) <= bound;
}

bool LowerBoundHolds(double t, double bound) {
  return bound == 0 || ComparedPart(t, bound) >= bound;
}

bool DatesMatch(const platform::FileStatus& status, const TDateTimeCriteria& criteria) {
  return PairHolds(status.created, criteria.CreatedBefore, criteria.CreatedAfter) &&
         PairHolds(status.modified, criteria.ModifiedBefore, criteria.ModifiedAfter) &&
         PairHolds(status.accessed, criteria.AccessedBefore, criteria.AccessedAfter);
}

bool AcceptEntry(const TTargetSearch& run, const std::string& folder, const TFoundEntry& entry) {
  if (!AttributeTestNeedsStatus(run.Attribute) && !AttributesMatch(entry.Attributes(), run.Attribute)) {
    return false;
  }
  if (!run.AttributeEx.NeedsStatus() && !run.AttributeEx.Matches(entry.Attributes())) return false;
  if (IsRejected(run.Targets.RejectMasks, folder, entry.Name())) return false;
  if (NeedsStatus(run) && !StatusTestsPass(run, entry)) return false;
  return ContentMatches(run.Content, entry);
}

}  // namespace kinshelf
