// The typical-beam template's model: one to five spans, an optional cantilever at either end,
// the slope given either as an angle (degrees) or as the height difference of the outermost
// supports (metres), and one uniform whole-beam load q x b (kg/m) from an area load q (kg/m2)
// and the beam spacing b (m). Applying it replaces the spans, the supports, the slope text and
// the loads, keeps the holes that still fit, and recalculates once. The boxes keep their texts
// between uses; a refusal changes nothing.
#pragma once

#include "model/EditorView.h"
#include "model/NumericKeyFilter.h"

#include <array>
#include <optional>
#include <string>

namespace balka {

class WindowModels;

class TemplateDialog {
  public:
    explicit TemplateDialog(WindowModels& models);

    static constexpr int MaxSpans = 5;

    // Which of angle and height difference the user gives; the other one is derived.
    enum class Fixed { Angle, Height };
    // The boxes whose text changes are forwarded to TextChanged.
    enum class Box { Left, L1, L2, L3, L4, L5, Right, Angle, Height, Step, Load, Yf };

    // cbSpans: the number of spans n, 1..MaxSpans.
    int SpanNumber = 1;
    bool LeftChecked = false;                    // cbLeft
    bool RightChecked = false;                   // cbRight
    std::string LeftText;                        // leLeft
    std::string RightText;                       // leRight
    std::array<std::string, MaxSpans> SpanTexts; // leL1 .. leL5
    std::string AngleText;                       // leAngle
    std::string HeightText;                      // leH
    Fixed FixedValue = Fixed::Angle;             // rbAngle / rbH
    std::string StepText;                        // leStep
    std::string LoadText;                        // leLoad
    std::string YfText;                          // leYf

    // nullptr detaches; the model then asks nobody for focus or refresh.
    void AttachView(EditorView* view) { view_ = view; }

    // User actions.
    void cbSpansChange(int spanNumber);
    void cbLeftClick(bool checked);
    void cbRightClick(bool checked);
    // The user changed a box's text; the angle and height stay consistent.
    void TextChanged(Box box, const std::string& text);
    // Switching recomputes nothing until the next change of a text.
    void FixedChange(Fixed fixed) { FixedValue = fixed; }
    // Both apply the template; false when a check refused it (the dialog then stays open).
    bool bApplyClick() { return ApplyTemplate(); }
    bool bOKClick() { return ApplyTemplate(); }
    // Every box takes decimals and no minus sign.
    bool BoxKeyPress(NumericBox& box, char32_t key) const;

    bool IsBoxEnabled(Box box) const;
    // "L1" .. "L5", with "K" before for a left and after for a right cantilever.
    std::string SchemeName() const;
    // The box's control name ("leLeft", "leL1", ...), used for focus and in messages.
    static std::string BoxName(Box box);
    static Box SpanBox(int span) { return static_cast<Box>(static_cast<int>(Box::L1) + span - 1); }
    const std::string& BoxText(Box box) const;

    // Writes the derived box (leH when the angle is the input, leAngle otherwise) from the
    // other one and the sum of spans 1..n; empties it when a text does not convert.
    void SyncAngleAndHeight();
    bool ApplyTemplate();

  private:
    std::string& Text(Box box);
    std::optional<float> ReadLength(Box box);
    bool Refuse(const std::string& message, Box box);
    void RequestRefresh();

    WindowModels& models_;
    EditorView* view_ = nullptr;
};

} // namespace balka
