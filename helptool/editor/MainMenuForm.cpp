// The main window's form declaration.
#include "editor/MainUnit.h"

const char* const kMainMenuForm = R"(object frmMainMenu: TfrmMainMenu
  Width = 746
  Height = 504
  Caption = 'Windows Quillery'
  Position = poScreenCenter
  Menu = MainMenu1
  Font.Name = 'Arial'
  Font.Size = 9
  OnCreate = FormCreate
  OnClose = FormClose
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New'
        ShortCut = 16462
        OnClick = New1Click
      end
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        OnClick = Open1Click
      end
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        OnClick = Save1Click
      end
      object SaveAs1: TMenuItem
        Caption = 'Save &As'
        OnClick = SaveAs1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        OnClick = Exit1Click
      end
    end
    object Page1: TMenuItem
      Caption = '&Page'
      object AddPage: TMenuItem
        Caption = '&Add'
        ShortCut = 16464
        OnClick = AddPageClick
      end
      object DeletePage: TMenuItem
        Caption = '&Delete'
        OnClick = DeletePageClick
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object PropertiesPage: TMenuItem
        Caption = '&Properties'
        OnClick = PropertiesPageClick
      end
      object Header1: TMenuItem
        Caption = 'Page &Header'
        OnClick = Header1Click
      end
    end
    object Links1: TMenuItem
      Caption = '&Links'
      object AddLink: TMenuItem
        Caption = '&Add'
        ShortCut = 16460
        OnClick = AddLinkClick
      end
      object DeleteLink: TMenuItem
        Caption = '&Delete'
        OnClick = DeleteLinkClick
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object PropertiesLink: TMenuItem
        Caption = '&Properties'
        OnClick = PropertiesLinkClick
      end
      object InsertLinkAtCursor1: TMenuItem
        Caption = '&Insert At Cursor'
        OnClick = InsertLinkAtCursor1Click
      end
      object RemoveLinkAtCursor1: TMenuItem
        Caption = '&Remove Link At Cursor'
        OnClick = RemoveLinkAtCursor1Click
      end
    end
    object Pictures1: TMenuItem
      Caption = '&Pictures'
      object AddPic: TMenuItem
        Caption = '&Add'
        ShortCut = 16457
        OnClick = AddPicClick
      end
      object DeletePic: TMenuItem
        Caption = '&Delete'
        OnClick = DeletePicClick
      end
      object N4: TMenuItem
        Caption = '-'
      end
      object InsertPictureAtCursor2: TMenuItem
        Caption = '&Insert At Cursor'
        OnClick = InsertPictureAtCursor2Click
      end
      object RemovePictureAtCursor1: TMenuItem
        Caption = '&Remove Picture At Cursor'
        OnClick = RemovePictureAtCursor1Click
      end
    end
    object Text1: TMenuItem
      Caption = '&Text'
      object mnuFont: TMenuItem
        Caption = 'Change &Font'
        ShortCut = 16454
        OnClick = mnuFontClick
      end
    end
    object Project1: TMenuItem
      Caption = '&Project'
      object TableOfContents1: TMenuItem
        Caption = '&Table Of Contents'
        OnClick = TableOfContents1Click
      end
      object HelpFileName1: TMenuItem
        Caption = '&Help File Name'
        OnClick = HelpFileName1Click
      end
      object HelpWindow1: TMenuItem
        Caption = 'Help &Window Colors'
        OnClick = HelpWindow1Click
      end
      object HelpWindowPositionSize1: TMenuItem
        Caption = 'Help Window &Position / Size'
        OnClick = HelpWindowPositionSize1Click
      end
      object N8: TMenuItem
        Caption = '-'
      end
      object MakeHelpFile1: TMenuItem
        Caption = '&Make The Help File'
        ShortCut = 16461
        OnClick = MakeHelpFile1Click
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object HelpFile1: TMenuItem
        Caption = '&Help File'
        ShortCut = 112
        OnClick = HelpFile1Click
      end
      object About1: TMenuItem
        Caption = '&About'
        OnClick = About1Click
      end
    end
  end
  object popPages: TPopupMenu
    object popPagesAdd: TMenuItem
      Caption = '&Add'
      OnClick = AddPageClick
    end
    object popPagesDelete: TMenuItem
      Caption = '&Delete'
      OnClick = DeletePageClick
    end
    object N5: TMenuItem
      Caption = '-'
    end
    object popPagesProperties: TMenuItem
      Caption = '&Properties'
      OnClick = PropertiesPageClick
    end
    object popPagesHeader: TMenuItem
      Caption = 'Page &Header'
      OnClick = Header1Click
    end
  end
  object popLinks: TPopupMenu
    object popLinksAdd: TMenuItem
      Caption = '&Add'
      OnClick = AddLinkClick
    end
    object popLinksDelete: TMenuItem
      Caption = '&Delete'
      OnClick = DeleteLinkClick
    end
    object N6: TMenuItem
      Caption = '-'
    end
    object popLinksProperties: TMenuItem
      Caption = '&Properties'
      OnClick = PropertiesLinkClick
    end
    object popLinksInsert: TMenuItem
      Caption = '&Insert At Cursor'
      OnClick = InsertLinkAtCursor1Click
    end
  end
  object popPictures: TPopupMenu
    object popPicturesAdd: TMenuItem
      Caption = '&Add'
      OnClick = AddPicClick
    end
    object popPicturesDelete: TMenuItem
      Caption = '&Delete'
      OnClick = DeletePicClick
    end
    object N7: TMenuItem
      Caption = '-'
    end
    object popPicturesInsert: TMenuItem
      Caption = '&Insert At Cursor'
      OnClick = InsertPictureAtCursor2Click
    end
  end
  object popText: TPopupMenu
    object popTextText: TMenuItem
      Caption = '&Text'
      object popTextFont: TMenuItem
        Caption = 'Change &Font'
        OnClick = mnuFontClick
      end
    end
    object popTextPictures: TMenuItem
      Caption = '&Pictures'
      object popTextInsertPicture: TMenuItem
        Caption = '&Insert At Cursor'
        OnClick = InsertPictureAtCursor2Click
      end
      object popTextRemovePicture: TMenuItem
        Caption = '&Remove At Cursor'
        OnClick = RemovePictureAtCursor1Click
      end
    end
    object popTextLinks: TMenuItem
      Caption = '&Links'
      object popTextInsertLink: TMenuItem
        Caption = '&Insert At Cursor'
        OnClick = InsertLinkAtCursor1Click
      end
      object popTextRemoveLink: TMenuItem
        Caption = '&Remove At Cursor'
        OnClick = RemoveLinkAtCursor1Click
      end
    end
  end
  object StatusBar1: TStatusBar
    Height = 19
    SimplePanel = True
    SimpleText = 'File Name:'
  end
  object pnlLeft: TPanel
    Width = 169
    Align = alLeft
    BevelOuter = bvNone
    object pnlPagesCaption: TPanel
      Top = 0
      Height = 20
      Align = alTop
      Caption = 'Pages In File'
      object SpinButton1: TSpinButton
        Width = 16
        Align = alLeft
        OnUpClick = SpinButton1UpClick
        OnDownClick = SpinButton1DownClick
      end
    end
    object lstPages: TListBox
      Top = 20
      Height = 150
      Align = alTop
      PopupMenu = popPages
      OnClick = lstPagesClick
      OnMouseDown = lstLinksMouseDown
    end
    object splPages: TSplitter
      Top = 170
      Height = 3
      Align = alTop
    end
    object pnlLinksCaption: TPanel
      Top = 173
      Height = 20
      Align = alTop
      Caption = 'Links For Page'
    end
    object lstLinks: TListBox
      Top = 193
      Height = 110
      Align = alTop
      PopupMenu = popLinks
      OnMouseDown = lstLinksMouseDown
    end
    object splLinks: TSplitter
      Top = 303
      Height = 3
      Align = alTop
    end
    object pnlPicturesCaption: TPanel
      Top = 306
      Height = 20
      Align = alTop
      Caption = 'Pictures For Page'
    end
    object lstPictures: TListBox
      Align = alClient
      PopupMenu = popPictures
      OnMouseDown = lstLinksMouseDown
    end
  end
  object splPanes: TSplitter
    Left = 169
    Width = 3
    Align = alLeft
  end
  object pnlRight: TPanel
    Align = alClient
    BevelOuter = bvNone
    object pnlPageCaption: TPanel
      Height = 20
      Align = alTop
      Caption = 'Current Page'
    end
    object mmoPage: TRichEdit
      Align = alClient
      Visible = False
      Font.Name = 'Arial'
      Font.Size = 10
      WantTabs = True
      ScrollBars = ssVertical
      PopupMenu = popText
      OnProtectChange = mmoPageProtectChange
    end
  end
end
)";
