// The macro editor: records keys and mouse buttons through KBHook.dll, edits
// the recorded events as keystroke groups, and writes the macro into the
// macro library file when saved.
#pragma once

#include <memory>
#include <string>

#include "controls/BitmapBtn2_win.h"
#include "controls/ClrEdit_win.h"
#include "editors/EditorSkin_win.h"
#include "editors/ListBoxMacro_win.h"
#include "editors/Rename_win.h"
#include "framework/Dialog_win.h"
#include "macro/EditorDrafts.h"
#include "macro/Recording.h"

class KBHookLibrary;

// Blinks the record button while recording.
constexpr UINT_PTR TIMER_RECORD_BLINK = 50010;
constexpr UINT kRecordBlinkMs = 500;

class CDlgMacroSet : public CDialog {
 public:
  // Opens on the macro at a list position of `macros`, or on a new one
  // (position kNewRecord).
  CDlgMacroSet(CWnd* owner, const Library& macros, int position);
  ~CDlgMacroSet() override;

  const MacroDraft& draft() const { return draft_; }
  bool recording() const { return recorder_.recording; }
  bool modifying() const { return recorder_.modifying; }
  bool saved() const { return saved_; }
  const CListBoxMacro& list() const { return list_; }
  // The open in-place delay editor, or null.
  CRename* delayEditor() const { return delayEditor_.get(); }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildFromSkin();
  void FillList(int select);
  void StartRecording(bool on);
  // The record button, the hook and the other controls for recording or not.
  void ShowRecordingState(bool on);
  void SetRecordingControls();
  // A box shown and usable, or hidden.
  void Show(const CWnd& box, bool shown);
  void UpdateSaveButton();
  LRESULT OnHookReport(WPARAM wParam, LPARAM lParam);
  void ShowRecorded(const RecordResult& result);
  void RunGroupEdit(GroupEdit edit);
  void OnModify();
  void OpenDelayEditor(int row);
  void CloseDelayEditor();
  void OnDelayEdited(WPARAM editor);
  void SelectDelayMode(DelayMode mode);
  void SelectRepeatType(int type);
  void CapBoxesOnKeyRelease();
  void Save();
  void OnPaint();

  const Library& macros_;
  MacroDraft draft_;
  MacroRecorder recorder_;
  bool saved_ = false;
  bool blinkOn_ = false;
  std::u16string delayPrefix_, delaySuffix_;
  std::unique_ptr<KBHookLibrary> hook_;
  std::unique_ptr<CRename> delayEditor_;
  int delayRow_ = -1;  // the row the delay editor was opened on

  EditorSheets sheets_;
  CBitmapBtn2 close_, cancel_, save_, record_;
  CBitmapBtn2 modify_, delete_, moveUp_, moveDown_;
  CBitmapBtn2 delayModes_[3];
  CBitmapBtn2 repeatTypes_[4];
  CClrEdit name_, delayBox_, countBox_;
  CListBoxMacro list_;
};
