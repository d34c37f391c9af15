object Form3: TForm3
  Left = 390
  Top = 280
  Width = 268
  Height = 424
  Caption = 'Form3'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 232
    Height = 59
    Caption = 'Saveform'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -48
    Font.Name = 'Verdana'
    ParentFont = False
  end
  object Memo1: TMemo
    Left = 8
    Top = 64
    Width = 201
    Height = 265
    Lines.Strings = (
      'Memo1')
    TabOrder = 0
  end
end
