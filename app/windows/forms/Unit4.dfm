object Form4: TForm4
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Kitbag'
  ClientHeight = 126
  ClientWidth = 212
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnCreate = FormCreate
  object Image1: TImage
    Left = -477
    Top = -310
    Width = 699
    Height = 451
    Picture = BACKGROUND
    Stretch = True
    OnMouseMove = Image1MouseMove
  end
  object Label1: TLabel
    Left = 32
    Top = 16
    Width = 150
    Height = 13
    Caption = 'From now on, the Hotkeys'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 72
    Top = 32
    Width = 72
    Height = 13
    Caption = 'are working.'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image20: TImage
    Left = 79
    Top = 61
    Width = 57
    Height = 49
    Picture = INFO
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image20Click
    OnMouseMove = Image20MouseMove
  end
  object Label3: TLabel
    Left = 72
    Top = 96
    Width = 71
    Height = 13
    Caption = 'Hide window'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    Visible = False
  end
  object TrayIcon1: TTrayIcon
    CycleInterval = 0
    Icon = MAINICON
    IconVisible = True
    IconIndex = 0
    PopupMenu = PopupMenu1
    MinimizeToTray = True
    OnMouseMove = TrayIcon1MouseMove
  end
  object PopupMenu1: TPopupMenu
    MenuAnimation = [maLeftToRight]
    OnPopup = PopupMenu1Popup
    object ShowMainmenu1: TMenuItem
      Caption = 'Show Settings'
      OnClick = ShowMainmenu1Click
    end
    object ExitKitbag1: TMenuItem
      Caption = 'Show Mainmenu'
      OnClick = ExitKitbag1Click
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object OnlyInWarcraftIII1: TMenuItem
      Caption = 'Only in Warcraft III'
      OnClick = OnlyInWarcraftIII1Click
    end
    object PauseKeysWhileChatting1: TMenuItem
      Caption = 'Pause keys while chatting'
      OnClick = PauseKeysWhileChatting1Click
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object ActivateKeysAtStart1: TMenuItem
      Caption = 'Activate keys at start'
      OnClick = ActivateKeysAtStart1Click
    end
    object StartWithWindows1: TMenuItem
      Caption = 'Start with Windows'
      OnClick = StartWithWindows1Click
    end
    object N3: TMenuItem
      Caption = '-'
    end
    object ExitKitbag2: TMenuItem
      Caption = 'Exit Kitbag'
      OnClick = ExitKitbag2Click
    end
  end
end
