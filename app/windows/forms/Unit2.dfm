object Form2: TForm2
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Kitbag Settings'
  ClientHeight = 322
  ClientWidth = 509
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  ActiveControl = FlatCheckBox1
  OnCreate = FormCreate
  object Image1: TImage
    Left = -186
    Top = -130
    Width = 699
    Height = 451
    Picture = BACKGROUND
    Stretch = True
  end
  object Image13: TImage
    Left = 20
    Top = 32
    Width = 461
    Height = 25
    Picture = BAR
    Stretch = True
    Transparent = True
  end
  object Image3: TImage
    Left = 224
    Top = 16
    Width = 73
    Height = 57
    Picture = LOGO
    Transparent = True
  end
  object Label1: TLabel
    Left = 200
    Top = 48
    Width = 125
    Height = 13
    Caption = 'Kitbag Settings'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image2: TImage
    Left = 24
    Top = 64
    Width = 121
    Height = 225
    Picture = INVENTORY
    Transparent = True
  end
  object Label2: TLabel
    Left = 72
    Top = 120
    Width = 8
    Height = 16
    Cursor = crHandPoint
    Caption = '1'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label2Click
  end
  object Label3: TLabel
    Left = 120
    Top = 120
    Width = 8
    Height = 16
    Cursor = crHandPoint
    Caption = '2'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label3Click
  end
  object Label4: TLabel
    Left = 72
    Top = 176
    Width = 8
    Height = 16
    Caption = '3'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label5: TLabel
    Left = 120
    Top = 176
    Width = 8
    Height = 16
    Caption = '4'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label6: TLabel
    Left = 72
    Top = 224
    Width = 8
    Height = 16
    Caption = '5'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label7: TLabel
    Left = 120
    Top = 224
    Width = 8
    Height = 16
    Caption = '6'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image4: TImage
    Left = 160
    Top = 72
    Width = 321
    Height = 185
    Picture = HOTKEYPANEL
    Stretch = True
    Transparent = True
  end
  object Label8: TLabel
    Left = 288
    Top = 72
    Width = 46
    Height = 13
    Caption = 'Hotkeys'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label9: TLabel
    Left = 192
    Top = 104
    Width = 181
    Height = 16
    Caption = '  1 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label10: TLabel
    Left = 192
    Top = 128
    Width = 181
    Height = 16
    Caption = '  2 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label11: TLabel
    Left = 192
    Top = 152
    Width = 181
    Height = 16
    Caption = '  3 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label12: TLabel
    Left = 192
    Top = 176
    Width = 181
    Height = 16
    Caption = '  4 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label13: TLabel
    Left = 192
    Top = 200
    Width = 181
    Height = 16
    Caption = '  5 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Label14: TLabel
    Left = 192
    Top = 224
    Width = 181
    Height = 16
    Caption = '  6 :::                   Shift +'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
  end
  object Image5: TImage
    Left = 36
    Top = 272
    Width = 117
    Height = 25
    Picture = BAR
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
  end
  object Image6: TImage
    Left = 196
    Top = 272
    Width = 117
    Height = 25
    Picture = BAR
    Stretch = True
    Transparent = True
    OnClick = Image6Click
  end
  object Image7: TImage
    Left = 356
    Top = 272
    Width = 117
    Height = 25
    Picture = BAR
    Cursor = crHandPoint
    Stretch = True
    Transparent = True
    OnClick = Image7Click
  end
  object Label15: TLabel
    Left = 40
    Top = 277
    Width = 105
    Height = 19
    Cursor = crHandPoint
    Alignment = taCenter
    AutoSize = False
    Caption = 'Save Settings'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label15Click
  end
  object Label16: TLabel
    Left = 210
    Top = 277
    Width = 88
    Height = 13
    Caption = 'Go to Mainform'
    Font.Charset = ANSI_CHARSET
    Font.Color = clSilver
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label16Click
  end
  object Label17: TLabel
    Left = 368
    Top = 277
    Width = 96
    Height = 13
    Cursor = crHandPoint
    Caption = 'Exit Kitbag'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    Transparent = True
    OnClick = Label17Click
  end
  object FlatEdit1: TFlatEdit
    Left = 384
    Top = 104
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 1
    Text = 'W'
    OnMouseMove = FlatEdit1MouseMove
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object FlatEdit2: TFlatEdit
    Left = 384
    Top = 128
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 2
    Text = 'E'
    OnMouseMove = FlatEdit2MouseMove
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object FlatEdit3: TFlatEdit
    Left = 384
    Top = 152
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 3
    Text = 'D'
    OnMouseMove = FlatEdit3MouseMove
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object FlatEdit4: TFlatEdit
    Left = 384
    Top = 176
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 4
    Text = 'S'
    OnMouseMove = FlatEdit4MouseMove
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object FlatEdit5: TFlatEdit
    Left = 384
    Top = 200
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 5
    Text = 'C'
    OnMouseMove = FlatEdit5MouseMove
    OnChange = FlatEdit5Change
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object FlatEdit6: TFlatEdit
    Left = 384
    Top = 224
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Verdana'
    ParentFont = False
    MaxLength = 1
    TabOrder = 6
    Text = 'X'
    OnMouseMove = FlatEdit6MouseMove
    OnKeyPress = KeyEditKeyPress
    OnPaste = KeyEditPaste
  end
  object Button1: TButton
    Left = 16
    Top = 8
    Width = 25
    Height = 1
    Caption = 'Button1'
    TabOrder = 0
  end
  object FlatTitlebar1: TFlatTitlebar
    Left = 8
    Top = 0
    Width = 489
    Height = 17
    TitlebarColor = clBlack
    ActiveTextColor = clWhite
    InactiveTextColor = 8559266
  end
  object FlatCheckBox1: TFlatCheckBox
    Left = 304
    Top = 104
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 8
    TabStop = True
  end
  object FlatCheckBox2: TFlatCheckBox
    Left = 304
    Top = 128
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 9
    TabStop = True
  end
  object FlatCheckBox3: TFlatCheckBox
    Left = 304
    Top = 152
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 10
    TabStop = True
  end
  object FlatCheckBox4: TFlatCheckBox
    Left = 304
    Top = 176
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 11
    TabStop = True
  end
  object FlatCheckBox5: TFlatCheckBox
    Left = 304
    Top = 200
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 12
    TabStop = True
  end
  object FlatCheckBox6: TFlatCheckBox
    Left = 304
    Top = 224
    Width = 17
    Height = 17
    Caption = ''
    Transparent = True
    Checked = True
    TabOrder = 13
    TabStop = True
  end
end
