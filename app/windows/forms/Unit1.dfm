object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Kitbag'
  ClientHeight = 173
  ClientWidth = 360
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnCreate = FormCreate
  object Image1: TImage
    Left = -223
    Top = -144
    Width = 633
    Height = 409
    Picture = BACKGROUND
    Stretch = True
  end
  object Image13: TImage
    Left = 36
    Top = 24
    Width = 293
    Height = 25
    Picture = BAR
    Stretch = True
    Transparent = True
  end
  object Image3: TImage
    Left = 152
    Top = 8
    Width = 73
    Height = 57
    Picture = LOGO
    Transparent = True
    OnClick = Image3Click
  end
  object Label1: TLabel
    Left = 168
    Top = 32
    Width = 4
    Height = 14
    Caption = ''
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -12
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 151
    Top = 40
    Width = 75
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'Kitbag'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 40
    Top = 112
    Width = 46
    Height = 13
    Caption = 'Settings'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image9: TImage
    Left = 32
    Top = 64
    Width = 57
    Height = 49
    Picture = SETTINGS
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image9Click
  end
  object Image11: TImage
    Left = 111
    Top = 64
    Width = 57
    Height = 49
    Picture = ACTIVATE
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image11Click
  end
  object Label4: TLabel
    Left = 104
    Top = 112
    Width = 78
    Height = 13
    Caption = 'Activate Keys'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image20: TImage
    Left = 200
    Top = 69
    Width = 57
    Height = 49
    Picture = INFO
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image20Click
  end
  object Label5: TLabel
    Left = 218
    Top = 112
    Width = 23
    Height = 13
    Caption = 'Info'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image16: TImage
    Left = 272
    Top = 69
    Width = 57
    Height = 49
    Picture = QUIT
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image16Click
  end
  object Label6: TLabel
    Left = 288
    Top = 112
    Width = 23
    Height = 13
    Caption = 'Quit'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label6Click
  end
  object Image14: TImage
    Left = 35
    Top = 136
    Width = 286
    Height = 25
    Picture = BAR
    Stretch = True
    Transparent = True
  end
  object Label7: TLabel
    Left = 48
    Top = 141
    Width = 257
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = ''
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object FlatTitlebar1: TFlatTitlebar
    Left = -129
    Top = 0
    Width = 489
    Height = 10
    TitlebarColor = clBlack
    ActiveTextColor = clWhite
    InactiveTextColor = 8559266
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 10
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 10
    OnTimer = Timer2Timer
  end
  OnDestroy = FormDestroy
end
