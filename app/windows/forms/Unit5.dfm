object Form5: TForm5
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Invalid Hotkeyselcetion'
  ClientHeight = 157
  ClientWidth = 313
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnClose = FormClose
  object Image1: TImage
    Left = -477
    Top = -363
    Width = 790
    Height = 519
    Picture = BACKGROUND
    Stretch = True
  end
  object Image13: TImage
    Left = 7
    Top = 16
    Width = 293
    Height = 25
    Picture = BAR
    Stretch = True
    Transparent = True
  end
  object Label1: TLabel
    Left = 96
    Top = 22
    Width = 133
    Height = 13
    Caption = 'Invalid Hotkeyselcetion'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 54
    Width = 281
    Height = 13
    Caption = 'You have to define a Hotkey for every Slot in the'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 70
    Width = 234
    Height = 13
    Caption = 'the inventory. Please change your entry.'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object FlatButton1: TFlatButton
    Left = 112
    Top = 112
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
  object Panel1: TPanel
    Left = -12
    Top = 1
    Width = 330
    Height = 3
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel3: TPanel
    Left = 310
    Top = 3
    Width = 3
    Height = 153
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel2: TPanel
    Left = -12
    Top = 153
    Width = 325
    Height = 3
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel4: TPanel
    Left = 0
    Top = 0
    Width = 2
    Height = 160
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
end
