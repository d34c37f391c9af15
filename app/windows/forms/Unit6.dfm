object Form6: TForm6
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Invalid Hotkeyselecetion'
  ClientHeight = 162
  ClientWidth = 309
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnClose = FormClose
  object Image1: TImage
    Left = -477
    Top = -355
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
    Left = 88
    Top = 22
    Width = 140
    Height = 13
    Caption = 'Invalid Hotkeyselecetion'
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
    Width = 280
    Height = 13
    Caption = 'You have to define a unique char for each Slot in'
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
  object Panel2: TPanel
    Left = -12
    Top = 155
    Width = 321
    Height = 9
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel1: TPanel
    Left = -12
    Top = 1
    Width = 321
    Height = 8
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel3: TPanel
    Left = 304
    Top = 8
    Width = 9
    Height = 153
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
  object Panel4: TPanel
    Left = -4
    Top = 8
    Width = 9
    Height = 145
    Caption = ''
    Color = clWhite
    TabOrder = 1
  end
end
