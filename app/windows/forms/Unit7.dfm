object Form7: TForm7
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'About Kitbag'
  ClientHeight = 304
  ClientWidth = 308
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnCreate = FormCreate
  object Image1: TImage
    Left = -493
    Top = -318
    Width = 806
    Height = 623
    Picture = BACKGROUND
    Stretch = True
  end
  object Image3: TImage
    Left = 120
    Top = 8
    Width = 73
    Height = 57
    Picture = LOGO
    Transparent = True
  end
  object Label2: TLabel
    Left = 119
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
  object Label1: TLabel
    Left = 39
    Top = 72
    Width = 235
    Height = 13
    Caption = 'Made by the Kitbag developers, 2026'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label4: TLabel
    Left = 66
    Top = 120
    Width = 179
    Height = 13
    Caption = 'Problems? kitbag@example.org'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label5: TLabel
    Left = 66
    Top = 136
    Width = 177
    Height = 13
    Caption = 'Web: www.example.org/kitbag'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label6: TLabel
    Left = 90
    Top = 177
    Width = 87
    Height = 13
    Caption = 'This is Version '
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label7: TLabel
    Left = 186
    Top = 175
    Width = 21
    Height = 16
    Caption = ''
    Font.Charset = ANSI_CHARSET
    Font.Color = clLime
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object FlatButton1: TFlatButton
    Left = 112
    Top = 264
    Width = 89
    Height = 17
    Caption = 'OK'
    Color = clBlack
    ColorFocused = clGray
    ColorDown = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    TabOrder = 0
    OnClick = FlatButton1Click
  end
end
